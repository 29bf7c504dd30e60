#include "platform/Zeilenteiler.h"

#include <cstring>

bool Zeilenteiler::Block(std::string_view bytes) {
    std::size_t pos = 0;
    const std::size_t n = bytes.size();
    while (pos < n) {
        if (nachCr_ && bytes[pos] == '\n')
            ++pos;
        nachCr_ = false;
        const void* cr = std::memchr(bytes.data() + pos, '\r', n - pos);
        std::size_t ende =
            cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - bytes.data()) : n;
        stueck_.clear();
        Windows1252Anhaengen(bytes.substr(pos, ende - pos), stueck_);
        if (!cr) {
            if (!stueck_.empty()) {
                angefangen_ = true;
                return jeStueck_(stueck_, false);
            }
            return true;
        }
        nachCr_ = true;
        pos = ende + 1;
        angefangen_ = false;
        if (!jeStueck_(stueck_, true))
            return false;
    }
    return true;
}

void Zeilenteiler::Ende() {
    if (angefangen_)
        jeStueck_(TextSicht(), true);
    angefangen_ = false;
}
