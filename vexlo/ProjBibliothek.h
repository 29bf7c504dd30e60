#pragma once
// PROJ wird erst geladen, wenn Bo Koordinaten rechnet: Das Laden der Bibliothek samt ihrer
// Abhängigkeiten kostet mehr als die ganze übrige Arbeit von Qel.
#include <proj.h>

struct ProjBibliothek {
    decltype(&::proj_context_create) context_create;
    decltype(&::proj_context_destroy) context_destroy;
    decltype(&::proj_context_set_search_paths) context_set_search_paths;
    decltype(&::proj_log_func) log_func;
    decltype(&::proj_create) create;
    decltype(&::proj_destroy) destroy;
    decltype(&::proj_trans) trans;
};

// Einmal geladen und für den Prozess behalten; nullptr, wenn PROJ fehlt.
const ProjBibliothek* ProjLaden();
