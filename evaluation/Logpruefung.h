#pragma once
#include "platform/Text.h"

class Basisformular;

// Vermerk zu einem Qel-Log: "" ohne "FATAL ERROR:", sonst " * QEL FATAL ERROR:" und je Stück
// ein Leerzeichen und das Stück ohne CR LF, getrimmt.
Text FehlervermerkAusLog(const Text& log);

// Prüft "qellog.txt" des aktuellen Punktes und benennt sie nach dem Punkt um.
void QelLogPruefen(Basisformular& form);
