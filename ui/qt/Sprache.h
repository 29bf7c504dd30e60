#pragma once
// Die Oberfläche ist immer deutsch, auch in den Standarddialogen von Qt ("Suchen in:",
// "Abbrechen"), gleich welche Sprache der Desktop hat.
class QCoreApplication;

// Lädt die deutschen Texte von Qt (qtbase_de); false, wenn sie nicht installiert sind.
bool DeutscheOberflaeche(QCoreApplication& app);
