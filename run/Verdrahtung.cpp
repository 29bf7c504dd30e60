#include "shell/Verdrahtung.h"
#include "run/Fortschritt.h"
#include "run/Lauf.h"
#include "shell/Basisformular.h"

void VerdrahteLauf(Basisformular& form) {
    form.CommandBerechnen.beiKlick = [&form] { CommandBerechnen_Click(form); };
    form.TimerAbbruch.beiTick = [&form] { TimerAbbruch_Timer(form); };
}
