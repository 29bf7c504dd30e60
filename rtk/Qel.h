#pragma once
// Modul Qel von vexlo-rtk: wählt unter den Referenzen die (bis zu) drei nächsten, die zeitlich mit
// dem Neupunkt überlappen. Eine virtuelle Station rechnet es nicht (dazu fehlt RTKLIB die
// Netzmodellierung): Die Beobachtungen der nächsten Referenz werden zur "virtuellen" Station.
#include <string>
#include <vector>

int QelAusfuehren(const std::string& aufrufname, const std::vector<std::string>& argumente);
