#include "shell/Basisformular.h"
#include "shell/Verdrahtung.h"

void VerdrahteStation(Basisformular&) {}
