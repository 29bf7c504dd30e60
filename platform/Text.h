#pragma once
// Text der Programmlogik: UTF-16, Zeichenpositionen sind UTF-16-Einheiten.
#include <string>
#include <string_view>

using Text = std::u16string;
using TextSicht = std::u16string_view;

// Dateiinhalte: Windows-1252, ein Byte je Zeichen. Nicht darstellbare Zeichen werden "?".
// Die undefinierten Bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D werden zu U+0081 usw., damit jede Datei
// unverändert zurückgeschrieben werden kann.
Text AusWindows1252(std::string_view bytes);
// Wie AusWindows1252, aber in einen vorhandenen Puffer: Zeilenleser sparen die Zuteilung je Zeile.
void Windows1252Anhaengen(std::string_view bytes, Text& ziel);
std::string NachWindows1252(TextSicht text);

// Host-Namen (UTF-8) <-> Text. Ungültige UTF-8-Folgen werden Byte für Byte als U+FFFD gelesen.
Text AusUtf8(std::string_view utf8);
std::string NachUtf8(TextSicht text);

// Nur ASCII-Buchstaben und die Umlaute von Windows-1252 werden umgesetzt (wie Windows'
// LCase/UCase).
Text Klein(TextSicht text);
Text Gross(TextSicht text);
char16_t KleinZeichen(char16_t z);

// Leerzeichen (nur Code 32) vorn und hinten entfernen.
Text Trimmen(TextSicht text);
Text TrimmenLinks(TextSicht text);
Text TrimmenRechts(TextSicht text);

bool Enthaelt(TextSicht text, TextSicht teil);
bool EnthaeltOhneGross(TextSicht text, TextSicht teil);
// Jedes Vorkommen entfernen, von vorn gesucht, Groß-/Kleinschreibung zählt.
Text Entfernen(TextSicht text, TextSicht teil);
Text Ersetzen(TextSicht text, TextSicht alt, TextSicht neu);
bool GleichOhneGross(TextSicht a, TextSicht b);

// Teiltext nach 1-basierter Position, wie Mid$: außerhalb liegende Teile ergeben "".
Text Teil(TextSicht text, long start1, long laenge);
Text Links(TextSicht text, long anzahl);
Text Rechts(TextSicht text, long anzahl);

Text ZahlText(long long wert);
