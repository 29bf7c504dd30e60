#include "shell/Basisformular.h"
#include "shell/Verdrahtung.h"

void VerdrahteOptionen(Basisformular&) {}
