#include "shell/Basisformular.h"
#include "shell/Verdrahtung.h"

void VerdrahteShell(Basisformular&) {}
