#pragma once
class Basisformular;

// Untergrenzen der Grenzwertfelder und der Knopf "Standard" auf dem Reiter "Analyse".
void VerdrahteGrenzwerte(Basisformular& form);
