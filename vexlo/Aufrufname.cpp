#include "Aufrufname.h"

std::string Aufrufname(std::string_view argv0) {
    const std::size_t trenner = argv0.find_last_of("/\\");
    std::string name(trenner == std::string_view::npos ? argv0 : argv0.substr(trenner + 1));
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0)
        name.resize(name.size() - 4);
    return name;
}

Modul ModulZuName(std::string_view aufrufname) {
    if (aufrufname == "qel" || aufrufname == "qel2")
        return Modul::Qel;
    if (aufrufname == "bo1" || aufrufname == "bo2")
        return Modul::Bo;
    return Modul::Werkzeug;
}
