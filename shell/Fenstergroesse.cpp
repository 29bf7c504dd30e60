#include "shell/Fenstergroesse.h"

namespace {
// Bis zu dieser Größe darf der Benutzer das Fenster verkleinern.
constexpr int GrenzeBreite = 5655;
constexpr int GrenzeHoehe = 6585;
} // namespace

std::optional<Fenstergroesse> FestgelegteFenstergroesse(const Text& Systembreite, int W, int H) {
    const bool zuGross = W > GrenzeBreite || H > GrenzeHoehe;
    if (!zuGross)
        return std::nullopt;
    // Die 64-Bit-Systeme haben breitere Fensterrahmen; daher dort das größere Außenmaß.
    if (Systembreite == u"64Bit")
        return Fenstergroesse{5775, 6605};
    if (Systembreite == u"32Bit")
        return Fenstergroesse{5655, 6585};
    return std::nullopt;
}
