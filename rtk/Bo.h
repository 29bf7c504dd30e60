#pragma once
// Modul Bo von vexlo-rtk: je gewählter Referenz eine Basislinie mit rnx2rtkp; das Ergebnis ist
// die gelöste Lösung der nächsten Referenz, die übrigen prüfen sie.
#include <string>
#include <vector>

int BoAusfuehren(const std::string& aufrufname, const std::vector<std::string>& argumente);
