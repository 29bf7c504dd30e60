#include "ProjBibliothek.h"

#include <dlfcn.h>

namespace {

template <typename Funktion> bool Holen(void* bibliothek, const char* name, Funktion& ziel) {
    ziel = reinterpret_cast<Funktion>(dlsym(bibliothek, name));
    return ziel != nullptr;
}

ProjBibliothek* Laden() {
    void* b = dlopen(VEXLO_PROJ_BIBLIOTHEK, RTLD_NOW | RTLD_LOCAL);
    if (!b)
        return nullptr;
    static ProjBibliothek p;
    const bool vollstaendig =
        Holen(b, "proj_context_create", p.context_create) &&
        Holen(b, "proj_context_destroy", p.context_destroy) &&
        Holen(b, "proj_context_set_search_paths", p.context_set_search_paths) &&
        Holen(b, "proj_log_func", p.log_func) && Holen(b, "proj_create", p.create) &&
        Holen(b, "proj_destroy", p.destroy) && Holen(b, "proj_trans", p.trans);
    return vollstaendig ? &p : nullptr;
}

} // namespace

const ProjBibliothek* ProjLaden() {
    static const ProjBibliothek* geladen = Laden();
    return geladen;
}
