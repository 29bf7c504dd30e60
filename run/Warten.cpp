#include "run/Warten.h"

namespace {
// Höchstens so lange bleibt das Fenster ohne Ereignisse, während die Engine rechnet.
constexpr int ABFRAGEABSTAND_MS = 100;
} // namespace

void WarteAufProzess(Umgebung& umgebung, int& Prozesskennung) {
    while (umgebung.prozesse.Exitcode(Prozesskennung) == NOCH_AKTIV) {
        umgebung.schleife.Ereignisse();
        umgebung.prozesse.WarteAufEnde(Prozesskennung, ABFRAGEABSTAND_MS);
    }
}
