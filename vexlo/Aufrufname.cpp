#include "Aufrufname.h"

#include <cstdio>

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

int RechenkernStarten(int argc, char** argv, const Rechenkern& kern) {
    const std::vector<std::string> argumente(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::string name = Aufrufname(argc > 0 ? argv[0] : "");
    switch (ModulZuName(name)) {
    case Modul::Qel:
        return kern.qel(name, argumente);
    case Modul::Bo:
        return kern.bo(name, argumente);
    case Modul::Werkzeug:
        break;
    }
    return kern.werkzeug(argumente);
}

int HilfeAusgeben(const std::vector<std::string>& argumente, const char* hilfe) {
    const bool verlangt =
        argumente.size() == 1 && (argumente[0] == "--hilfe" || argumente[0] == "--help");
    std::fputs(hilfe, verlangt ? stdout : stderr);
    return verlangt ? 0 : 2;
}
