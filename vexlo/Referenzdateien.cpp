#include "Referenzdateien.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool PasstMitJoker(TextSicht name, TextSicht muster) {
    if (name.size() != muster.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (muster[i] != u'?' && muster[i] != name[i])
            return false;
    return true;
}

} // namespace

Tageskennung TagAusName(const std::string& name) {
    const Text t = AusUtf8(fs::path(name).filename().string());
    return {Teil(t, 5, 3), Links(Rechts(t, 3), 2)};
}

std::optional<std::string> ReferenzdateiFinden(const std::string& kennung, const Tageskennung& t) {
    const Text muster = Klein(AusUtf8(kennung) + t.tag + u"?." + t.jahr + u"o");
    std::vector<std::string> treffer;
    std::error_code fehler;
    for (fs::directory_iterator it(".", fehler), ende; !fehler && it != ende;
         it.increment(fehler)) {
        const std::string name = it->path().filename().string();
        std::error_code f2;
        if (it->is_regular_file(f2) && PasstMitJoker(Klein(AusUtf8(name)), muster))
            treffer.push_back(name);
    }
    if (treffer.empty())
        return std::nullopt;
    return *std::min_element(treffer.begin(), treffer.end(), [](const auto& a, const auto& b) {
        return Klein(AusUtf8(a)) < Klein(AusUtf8(b));
    });
}

std::string VirtuellerName(const Tageskennung& t) {
    return "virt" + NachUtf8(t.tag) + "." + NachUtf8(t.jahr) + "o";
}
