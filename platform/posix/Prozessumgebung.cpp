#include "platform/posix/Prozessumgebung.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

std::string HostArbeitsverzeichnis() {
    std::string puffer(4096, '\0');
    while (!getcwd(puffer.data(), puffer.size())) {
        if (errno != ERANGE)
            return "/";
        puffer.resize(puffer.size() * 2);
    }
    return puffer.c_str();
}

std::string Umgebungswert(const char* name) {
    const char* wert = std::getenv(name);
    return wert ? std::string(wert) : std::string();
}
