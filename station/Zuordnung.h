#pragma once
class Basisformular;

// Verschiebt jede Datei, deren erste OBSERVER-Zeile den Suchtext enthält, nach Referenzpunkte.
void AutoZuordnungReferenz_Click(Basisformular& form);
// Verschiebt den gewählten Eintrag in die andere Liste, mit "lösche Messung" entfernt er ihn.
void Neupunkte_DblClick(Basisformular& form);
void Referenzpunkte_DblClick(Basisformular& form);
// Die Pfeile zeigen, wohin ein Doppelklick verschiebt.
void Neupunkte_MouseMove(Basisformular& form);
void Referenzpunkte_MouseMove(Basisformular& form);
