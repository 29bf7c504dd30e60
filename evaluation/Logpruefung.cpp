#include "evaluation/Logpruefung.h"

#include "evaluation/Auswertung.h"
#include "shell/Basisformular.h"
#include "station/modKestrav.h"

namespace {
constexpr TextSicht kMarke = u"FATAL ERROR:";
constexpr TextSicht kQelLog = u"qellog.txt";
} // namespace

Text FehlervermerkAusLog(const Text& log) {
    std::size_t pos = log.find(kMarke);
    if (pos == Text::npos)
        return Text();
    Text vermerk = u" * QEL FATAL ERROR:";
    while (pos != Text::npos) {
        std::size_t start = pos + kMarke.size();
        std::size_t naechste = log.find(kMarke, start);
        Text stueck = log.substr(start, naechste == Text::npos ? Text::npos : naechste - start);
        vermerk += u" " + Trimmen(Entfernen(stueck, u"\r\n"));
        pos = naechste;
    }
    return vermerk;
}

void QelLogPruefen(Basisformular& form) {
    form.lauf.Fehlervermerk.clear();
    Dateisystem& ds = form.umgebung.datei;
    if (!DateiExistiert(ds, Text(kQelLog)))
        return;
    Text vermerk = FehlervermerkAusLog(DateiLesen(ds, Text(kQelLog)));
    if (!vermerk.empty()) {
        WarnungZaehlen(form);
        form.lauf.Fehlervermerk = vermerk;
    }
    // Ein vorhandenes Ziel ist Laufzeitfehler 58 und führt in den Fehlerpfad.
    ds.Umbenennen(Text(kQelLog), u"_ergebnis_" + form.lauf.Dateistamm + u"_qelelog.txt");
}
