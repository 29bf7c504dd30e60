#include "shell/Basisformular.h"
#include "shell/Verdrahtung.h"

void VerdrahteLauf(Basisformular&) {}
