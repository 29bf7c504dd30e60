#pragma once
// Dateien eines Beobachtungstags im Arbeitsverzeichnis, nach den RINEX-Kurznamen ssssdddf.yyo.
#include "platform/Text.h"

#include <optional>
#include <string>

// Tag und Jahr aus dem Kurznamen ssssdddf.yyo: Zeichen 5 bis 7 und die zwei vor dem letzten.
struct Tageskennung {
    Text tag;
    Text jahr;
};

Tageskennung TagAusName(const std::string& name);

// Referenzdatei im Arbeitsverzeichnis: Kennung, Tag des Neupunkts, beliebiges Folgezeichen,
// Jahr, "o"; ohne Rücksicht auf Groß-/Kleinschreibung, bei mehreren die erste nach Namen.
std::optional<std::string> ReferenzdateiFinden(const std::string& kennung, const Tageskennung& t);

// Name der virtuellen Station, die Qel schreibt und Bo liest: "virt" + Tag + "." + Jahr + "o".
std::string VirtuellerName(const Tageskennung& t);
