#include "station/Zeilensuche.h"

#include "platform/Laufzeitfehler.h"

namespace {

// Länger wird eine Zeile ohne Treffer nicht gehalten; RINEX-Kopfzeilen haben 80 Zeichen.
constexpr std::size_t Zeilengrenze = 4096;

// Prüft die Zeilen, während sie in Stücken kommen. Eine Zeile mit Treffer wird ganz gebraucht und
// ganz gesammelt; von einer langen Zeile ohne Treffer bleibt nur ihr Ende in der Länge des
// Suchtexts weniger eins, damit ein Treffer über zwei Stücke hinweg auffällt.
class Stromsuche {
public:
    explicit Stromsuche(const Text& suchtext)
        : suchtext_(suchtext), rest_(suchtext.empty() ? 0 : suchtext.size() - 1) {}

    // false: fertig.
    bool Stueck(TextSicht stueck, bool zeilenende) {
        // Häufigster Fall: eine ganze Zeile in einem Stück, ohne Kopie geprüft.
        if (zeilenende && zeile_.empty() && !gekappt_ && !imTreffer_) {
            if (Enthaelt(stueck, suchtext_)) {
                treffer_ = Text(stueck);
                return false;
            }
            ++nummer_;
            return true;
        }
        zeile_.append(stueck);
        if (!imTreffer_ && Enthaelt(zeile_, suchtext_)) {
            if (gekappt_) {
                // Der Anfang der Zeile ist schon verworfen; ein zweiter Durchgang holt sie.
                gekappteTrefferzeile_ = nummer_;
                return false;
            }
            imTreffer_ = true;
        }
        if (zeilenende) {
            if (imTreffer_) {
                treffer_ = std::move(zeile_);
                return false;
            }
            zeile_.clear();
            gekappt_ = false;
            ++nummer_;
        } else if (!imTreffer_ && zeile_.size() > Zeilengrenze) {
            zeile_.erase(0, zeile_.size() - rest_);
            gekappt_ = true;
        }
        return true;
    }

    const std::optional<Text>& Treffer() const { return treffer_; }
    const std::optional<long long>& GekappteTrefferzeile() const { return gekappteTrefferzeile_; }

private:
    const Text& suchtext_;
    const std::size_t rest_;
    Text zeile_;
    bool gekappt_ = false;
    bool imTreffer_ = false;
    long long nummer_ = 0;
    std::optional<Text> treffer_;
    std::optional<long long> gekappteTrefferzeile_;
};

// RINEX-Dateien von Unix-Werkzeugen und Downloaddiensten enden Zeilen mit LF allein; das Lesen
// von Zeilen endet nur an CR LF oder CR, also wird jedes Stück hier zusätzlich an LF geteilt.
// Sonst wäre eine solche Datei eine einzige Zeile, und der Suchtext fände sich irgendwo in ihr.
template <typename Verbraucher> auto AuchAnLf(Verbraucher verbraucher) {
    return [verbraucher](TextSicht stueck, bool zeilenende) mutable {
        for (std::size_t lf; (lf = stueck.find(u'\n')) != TextSicht::npos;
             stueck.remove_prefix(lf + 1))
            if (!verbraucher(stueck.substr(0, lf), true))
                return false;
        return verbraucher(stueck, zeilenende);
    };
}

// Die ganze Zeile mit dieser Nummer (ab 0); davor liegende Zeilen werden nur überlesen.
Text ZeileNummer(Dateisystem& ds, const Text& datei, long long gesucht) {
    long long zeile = 0;
    Text inhalt;
    ds.ZeilenstueckeLesen(datei, AuchAnLf([&](TextSicht stueck, bool zeilenende) {
                              if (zeile == gesucht)
                                  inhalt.append(stueck);
                              if (zeilenende)
                                  ++zeile;
                              return zeile <= gesucht;
                          }));
    return inhalt;
}

} // namespace

std::optional<Text> ErsteZeileMit(Dateisystem& ds, const Text& datei, const Text& suchtext) {
    try {
        Stromsuche suche(suchtext);
        ds.ZeilenstueckeLesen(datei, AuchAnLf([&](TextSicht stueck, bool zeilenende) {
                                  return suche.Stueck(stueck, zeilenende);
                              }));
        if (suche.Treffer())
            return suche.Treffer();
        if (!suche.GekappteTrefferzeile())
            return std::nullopt;
        Text zeile = ZeileNummer(ds, datei, *suche.GekappteTrefferzeile());
        if (!Enthaelt(zeile, suchtext))
            return std::nullopt; // inzwischen geändert
        return zeile;
    } catch (const Laufzeitfehler&) {
        return std::nullopt;
    }
}
