#pragma once
#include "platform/Text.h"

class Basisformular;

// Text der Abschlussmeldung und ihr Titel.
struct Abschlussmeldung {
    Text text;
    Text titel;
};
Abschlussmeldung AbschlussmeldungFuer(int neupunkte, int warnungen, const Text& minidatei);
