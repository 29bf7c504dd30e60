#include "Textdatei.h"

#include "platform/Text.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// Größer ist keine Beobachtungsdatei eines Tages; schützt vor dem Einlesen von Geräten o. Ä.
constexpr std::uintmax_t kHoechstgroesse = std::uintmax_t{1} << 30;
} // namespace

Dateiinhalt::Dateiinhalt(const std::string& name) {
    const int datei = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (datei < 0)
        return;
    struct stat angaben {};
    if (fstat(datei, &angaben) == 0 && S_ISREG(angaben.st_mode) &&
        static_cast<std::uintmax_t>(angaben.st_size) <= kHoechstgroesse) {
        groesse_ = static_cast<std::size_t>(angaben.st_size);
        gelesen_ = groesse_ == 0;
        if (groesse_ > 0) {
            abbild_ = mmap(nullptr, groesse_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, datei, 0);
            gelesen_ = abbild_ != MAP_FAILED;
            daten_ = gelesen_ ? static_cast<const char*>(abbild_) : "";
            if (!gelesen_) {
                abbild_ = nullptr;
                groesse_ = 0;
            }
        }
    }
    close(datei);
}

Dateiinhalt::~Dateiinhalt() {
    if (abbild_)
        munmap(abbild_, groesse_);
}

bool BytesSchreiben(const std::string& name, std::string_view bytes) {
    // Neu anlegen statt kürzen: ext4 schreibt eine gekürzte Datei beim Schließen sofort auf
    // die Platte, was je Aufruf mehr kostete als das ganze Rechnen.
    std::error_code fehler;
    fs::remove(name, fehler);
    std::ofstream aus(name, std::ios::binary | std::ios::trunc);
    aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    aus.close();
    return static_cast<bool>(aus);
}

namespace {
std::string Zeilenbytes(const std::vector<std::string>& zeilen) {
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
    return bytes;
}
} // namespace

bool TextdateiSchreiben(const std::string& name, const std::vector<std::string>& zeilen) {
    return BytesSchreiben(name, Zeilenbytes(zeilen));
}

bool TextdateiAnhaengen(const std::string& name, const std::vector<std::string>& zeilen) {
    std::ofstream aus(name, std::ios::binary | std::ios::app);
    const std::string bytes = Zeilenbytes(zeilen);
    aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    aus.close();
    return static_cast<bool>(aus);
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

namespace {
std::size_t Suchen(std::string_view text, char zeichen) {
    const void* treffer = std::memchr(text.data(), zeichen, text.size());
    return treffer ? static_cast<std::size_t>(static_cast<const char*>(treffer) - text.data())
                   : text.size();
}
} // namespace

bool Zeilenleser::Naechste(std::string_view& zeile) {
    if (rest_.empty())
        return false;
    if (!gesucht_) {
        lf_ = Suchen(rest_, '\n');
        cr_ = Suchen(rest_, '\r');
        gesucht_ = true;
    }
    const std::size_t ende = std::min(lf_, cr_);
    std::size_t weiter = ende + 1;
    if (ende < rest_.size() && rest_[ende] == '\r' && weiter < rest_.size() &&
        rest_[weiter] == '\n')
        ++weiter;
    ++nummer_;
    zeile = rest_.substr(0, ende);
    weiter = std::min(weiter, rest_.size());
    rest_.remove_prefix(weiter);
    // Die gemerkten Stellen gelten nun relativ zum neuen Anfang.
    lf_ = lf_ >= weiter ? lf_ - weiter : Suchen(rest_, '\n');
    cr_ = cr_ >= weiter ? cr_ - weiter : Suchen(rest_, '\r');
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
