#pragma once
// Sperre eines Arbeitsverzeichnisses über die versteckte Datei ".kestrav-lauf" darin, geöffnet
// ohne jede Mitbenutzung und mit Löschen beim Schließen: ein zweites Öffnen scheitert, auch im
// selben Prozess, und die Datei verschwindet mit der letzten Kennung. Das Verzeichnis selbst
// lässt sich nicht sperren: LockFileEx weist Verzeichniskennungen ab, und ein exklusives
// Öffnen sperrte das Auflisten des eigenen Laufs. Die Kennung ist vererbbar, so hält ein
// Stapel (Win32Prozesse::StapelStarten) die Sperre bis zu seinem Ende.
#include "platform/Laufsperre.h"

class Win32Sperren : public Sperren {
public:
    std::unique_ptr<Laufsperre> Nehmen(const Text& verzeichnis) override;
};
