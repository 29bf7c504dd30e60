#include "shell/Verdrahtung.h"
#include "shell/Basisformular.h"
#include "station/Arbeitsverzeichnis.h"
#include "station/Rinexscan.h"
#include "station/Tagespruefung.h"
#include "station/Zuordnung.h"

#include <memory>

void VerdrahteStation(Basisformular& form) {
    // Der Dialog lebt so lange wie die Regel des Knopfes, also so lange wie das Fenster.
    auto dialog = std::make_shared<Dateidialog>();
    form.AuswahlArbeitsverzeichnis.beiKlick = [&form, dialog] {
        AuswahlArbeitsverzeichnis_Click(form, *dialog);
    };
    form.ResetRINEX.beiKlick = [&form] { ResetRINEX_Click(form); };
    form.AutoZuordnungReferenz.beiKlick = [&form] { AutoZuordnungReferenz_Click(form); };
    form.Neupunkte.beiDoppelklick = [&form] { Neupunkte_DblClick(form); };
    form.Referenzpunkte.beiDoppelklick = [&form] { Referenzpunkte_DblClick(form); };
    form.Neupunkte.beiMausbewegung = [&form] { Neupunkte_MouseMove(form); };
    form.Referenzpunkte.beiMausbewegung = [&form] { Referenzpunkte_MouseMove(form); };
    form.TimerErrFormLoad.beiTick = [&form] { TimerErrFormLoad_Timer(form); };
}
