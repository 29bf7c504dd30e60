#pragma once
#include "platform/Text.h"

#include <optional>
#include <vector>

class Basisformular;

// Meldet einmal je Scharfschalten, welche zwei Beobachtungstage in Neupunkte stehen.
void TimerErrFormLoad_Timer(Basisformular& form);

// Text der Meldung für die Namen der Liste; nullopt, wenn alle den Tag des ersten Eintrags haben.
std::optional<Text> TagesmeldungText(const std::vector<Text>& namen);
