#include "StapelProzesse.h"

void StapelProzesse::TexteditorOeffnen(const Text& datei) {
    if (editorOeffnen_)
        plattform_.TexteditorOeffnen(datei);
}
