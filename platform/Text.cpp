#include "platform/Text.h"

#include <array>

namespace {

// Zeichen 0x80 bis 0x9F von Windows-1252; undefinierte Stellen behalten ihren Steuercode.
constexpr std::array<char16_t, 32> kObererBereich = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char NachByte(char16_t z) {
    if (z < 0x80 || (z >= 0xA0 && z <= 0xFF))
        return static_cast<char>(z);
    for (std::size_t i = 0; i < kObererBereich.size(); ++i)
        if (kObererBereich[i] == z)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

void Windows1252Anhaengen(std::string_view bytes, Text& ziel) {
    const std::size_t alt = ziel.size();
    ziel.resize(alt + bytes.size());
    char16_t* z = ziel.data() + alt;
    for (unsigned char b : bytes)
        *z++ = b >= 0x80 && b < 0xA0 ? kObererBereich[b - 0x80] : char16_t(b);
}

Text AusWindows1252(std::string_view bytes) {
    Text t;
    Windows1252Anhaengen(bytes, t);
    return t;
}

std::string NachWindows1252(TextSicht text) {
    std::string s;
    s.reserve(text.size());
    for (char16_t z : text)
        s.push_back(NachByte(z));
    return s;
}

Text AusUtf8(std::string_view s) {
    Text t;
    t.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char b = s[i];
        char32_t cp = 0xFFFD;
        std::size_t n = 1;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            n = 2;
        } else if ((b & 0xF0) == 0xE0) {
            n = 3;
        } else if ((b & 0xF8) == 0xF0) {
            n = 4;
        }
        if (n > 1) {
            bool gut = i + n <= s.size();
            char32_t wert = b & (0x7F >> n);
            for (std::size_t k = 1; gut && k < n; ++k) {
                unsigned char f = s[i + k];
                gut = (f & 0xC0) == 0x80;
                wert = (wert << 6) | (f & 0x3F);
            }
            if (gut && wert <= 0x10FFFF && !(wert >= 0xD800 && wert <= 0xDFFF)) {
                cp = wert;
            } else {
                n = 1;
                cp = 0xFFFD;
            }
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            t.push_back(char16_t(0xD800 + (cp >> 10)));
            t.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            t.push_back(char16_t(cp));
        }
        i += n;
    }
    return t;
}

std::string NachUtf8(TextSicht t) {
    std::string s;
    s.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        char32_t cp = t[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < t.size() && t[i + 1] >= 0xDC00 &&
            t[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (t[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            s.push_back(char(cp));
        } else if (cp < 0x800) {
            s.push_back(char(0xC0 | (cp >> 6)));
            s.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            s.push_back(char(0xE0 | (cp >> 12)));
            s.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            s.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            s.push_back(char(0xF0 | (cp >> 18)));
            s.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            s.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            s.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return s;
}

char16_t KleinZeichen(char16_t z) {
    if (z >= u'A' && z <= u'Z')
        return char16_t(z + 32);
    if ((z >= 0xC0 && z <= 0xDE && z != 0xD7))
        return char16_t(z + 32);
    switch (z) {
    case 0x0160:
        return 0x0161;
    case 0x0152:
        return 0x0153;
    case 0x017D:
        return 0x017E;
    case 0x0178:
        return 0x00FF;
    default:
        return z;
    }
}

static char16_t GrossZeichen(char16_t z) {
    if (z >= u'a' && z <= u'z')
        return char16_t(z - 32);
    if ((z >= 0xE0 && z <= 0xFE && z != 0xF7))
        return char16_t(z - 32);
    switch (z) {
    case 0x0161:
        return 0x0160;
    case 0x0153:
        return 0x0152;
    case 0x017E:
        return 0x017D;
    case 0x00FF:
        return 0x0178;
    default:
        return z;
    }
}

Text Klein(TextSicht text) {
    Text t(text);
    for (auto& z : t)
        z = KleinZeichen(z);
    return t;
}

Text Gross(TextSicht text) {
    Text t(text);
    for (auto& z : t)
        z = GrossZeichen(z);
    return t;
}

Text TrimmenLinks(TextSicht t) {
    std::size_t a = 0;
    while (a < t.size() && t[a] == u' ')
        ++a;
    return Text(t.substr(a));
}

Text TrimmenRechts(TextSicht t) {
    std::size_t e = t.size();
    while (e > 0 && t[e - 1] == u' ')
        --e;
    return Text(t.substr(0, e));
}

Text Trimmen(TextSicht t) {
    return TrimmenRechts(TrimmenLinks(t));
}

bool Enthaelt(TextSicht text, TextSicht teil) {
    return text.find(teil) != TextSicht::npos;
}

bool EnthaeltOhneGross(TextSicht text, TextSicht teil) {
    return Enthaelt(Klein(text), Klein(teil));
}

bool GleichOhneGross(TextSicht a, TextSicht b) {
    return Klein(a) == Klein(b);
}

Text Ersetzen(TextSicht text, TextSicht alt, TextSicht neu) {
    if (alt.empty())
        return Text(text);
    Text ergebnis;
    std::size_t pos = 0;
    for (;;) {
        std::size_t fund = text.find(alt, pos);
        if (fund == TextSicht::npos)
            break;
        ergebnis.append(text.substr(pos, fund - pos));
        ergebnis.append(neu);
        pos = fund + alt.size();
    }
    ergebnis.append(text.substr(pos));
    return ergebnis;
}

Text Entfernen(TextSicht text, TextSicht teil) {
    return Ersetzen(text, teil, u"");
}

Text Teil(TextSicht text, long start1, long laenge) {
    if (start1 < 1 || laenge <= 0 || static_cast<std::size_t>(start1) > text.size())
        return Text();
    return Text(
        text.substr(static_cast<std::size_t>(start1 - 1), static_cast<std::size_t>(laenge)));
}

Text Links(TextSicht text, long anzahl) {
    if (anzahl <= 0)
        return Text();
    return Text(text.substr(0, static_cast<std::size_t>(anzahl)));
}

Text Rechts(TextSicht text, long anzahl) {
    if (anzahl <= 0)
        return Text();
    std::size_t n = static_cast<std::size_t>(anzahl);
    if (n >= text.size())
        return Text(text);
    return Text(text.substr(text.size() - n));
}

Text ZahlText(long long wert) {
    std::string s = std::to_string(wert);
    return Text(s.begin(), s.end());
}
