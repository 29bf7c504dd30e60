#pragma once
#include "platform/Text.h"

// Reihenfolge eines Verzeichnisses wie unter NTFS: die Großformen der Namen, Einheit für Einheit
// verglichen ("npa", "NPB", "np^", "np_"); gleiche Großformen nach dem Namen selbst.
bool NtfsVorher(TextSicht a, TextSicht b);
