#include "Textdatei.h"

#include "platform/Text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// Größer ist keine Beobachtungsdatei eines Tages; schützt vor dem Einlesen von Geräten o. Ä.
constexpr std::uintmax_t kHoechstgroesse = std::uintmax_t{1} << 30;
} // namespace

std::optional<std::string> DateiLesen(const std::string& name) {
    std::error_code fehler;
    if (!fs::is_regular_file(name, fehler))
        return std::nullopt;
    const std::uintmax_t groesse = fs::file_size(name, fehler);
    if (fehler || groesse > kHoechstgroesse)
        return std::nullopt;
    std::ifstream ein(name, std::ios::binary);
    if (!ein)
        return std::nullopt;
    std::string inhalt(static_cast<std::size_t>(groesse), '\0');
    ein.read(inhalt.data(), static_cast<std::streamsize>(groesse));
    inhalt.resize(static_cast<std::size_t>(ein.gcount()));
    if (ein.bad())
        return std::nullopt;
    return inhalt;
}

bool BytesSchreiben(const std::string& name, std::string_view bytes) {
    std::ofstream aus(name, std::ios::binary | std::ios::trunc);
    aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    aus.close();
    return static_cast<bool>(aus);
}

bool TextdateiSchreiben(const std::string& name, const std::vector<std::string>& zeilen) {
    std::string bytes;
    std::size_t groesse = 0;
    for (const std::string& zeile : zeilen)
        groesse += zeile.size() + 2;
    bytes.reserve(groesse);
    for (const std::string& zeile : zeilen) {
        const bool ascii = std::all_of(zeile.begin(), zeile.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        bytes += ascii ? zeile : NachWindows1252(AusUtf8(zeile));
        bytes += "\r\n";
    }
    return BytesSchreiben(name, bytes);
}

std::string NameAufloesen(const std::string& name) {
    std::error_code fehler;
    if (name.empty() || name.find('/') != std::string::npos || fs::exists(name, fehler))
        return name;
    const Text gesucht = Klein(AusUtf8(name));
    for (fs::directory_iterator it(".", fehler), ende; !fehler && it != ende;
         it.increment(fehler)) {
        std::string kandidat = it->path().filename().string();
        if (Klein(AusUtf8(kandidat)) == gesucht)
            return kandidat;
    }
    return name;
}

bool Zeilenleser::Naechste(std::string_view& zeile) {
    if (rest_.empty())
        return false;
    std::size_t ende = 0;
    while (ende < rest_.size() && rest_[ende] != '\n' && rest_[ende] != '\r')
        ++ende;
    ++nummer_;
    if (ende == rest_.size()) {
        zeile = rest_;
        rest_ = {};
        return true;
    }
    zeile = rest_.substr(0, ende);
    std::size_t weiter = ende + 1;
    if (rest_[ende] == '\r' && weiter < rest_.size() && rest_[weiter] == '\n')
        ++weiter;
    rest_.remove_prefix(weiter);
    return true;
}

std::size_t Zeichenzahl(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char b : utf8)
        if ((b & 0xC0) != 0x80)
            ++n;
    return n;
}

std::string Linksbuendig(std::string_view utf8, std::size_t breite) {
    std::string s(utf8);
    for (std::size_t n = Zeichenzahl(utf8); n < breite; ++n)
        s += ' ';
    return s;
}

std::string Rechtsbuendig(std::string_view utf8, std::size_t breite) {
    std::size_t n = Zeichenzahl(utf8);
    return std::string(n < breite ? breite - n : 0, ' ') + std::string(utf8);
}
