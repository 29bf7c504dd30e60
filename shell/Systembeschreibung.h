#pragma once
// Beschreibung des Betriebssystems aus den rohen Versionsangaben, z.B.
// "Windows 7 Ultimate Edition, 64-bit (Service Pack 1)". Eine reine Funktion, damit jede
// Windows-Version auf jedem Rechner prüfbar ist; die Angaben liefert die Plattform.
#include "platform/Versionsdaten.h"

// Laufzeitfehler 5, wenn die Architektur gebraucht wird und die 32-auf-64-Abfrage verweigert war.
Text Systembeschreibung(const Versionsdaten& daten);
