#include "Modullauf.h"

#include "Textdatei.h"

#include <exception>
#include <filesystem>

namespace fs = std::filesystem;

int Modullauf::Ausfuehren(const std::string& kopfzeile) {
    std::error_code fehler;
    fs::remove(fehlerdateiName_, fehler); // eine alte Fehlerdatei gehört zu einem früheren Punkt
    log_.push_back(kopfzeile);
    bool erfolg = false;
    try {
        erfolg = Rechnen();
    } catch (const std::exception& e) {
        FehlerMelden(std::string("internal error (") + e.what() + ")");
    }
    DateienSchreiben(erfolg);
    return erfolg ? 0 : 1;
}

void QelModullauf::Fatal(const std::string& text) {
    log_.push_back("FATAL ERROR: " + text);
    fehlerdatei_.push_back("VEXLO-error: " + text);
}

void QelModullauf::DateienSchreiben(bool erfolg) {
    TextdateiSchreiben(kQelProtokoll, log_);
    if (!erfolg && !fehlerdatei_.empty())
        TextdateiSchreiben(fehlerdateiName_, fehlerdatei_);
}

namespace {

std::string Stamm(const std::string& datei) {
    const std::string name = fs::path(datei).filename().string();
    return name.substr(0, name.find('.'));
}

} // namespace

BoModullauf::BoModullauf(std::string aufrufname, BoAuftrag auftrag)
    : Modullauf("bo.err"), aufrufname_(std::move(aufrufname)), a_(std::move(auftrag)) {
    const std::string stamm = a_.neupunkt.empty() ? "bo" : Stamm(a_.neupunkt);
    if (a_.liste.empty())
        a_.liste = stamm + "_list.txt";
    if (a_.loesung.empty())
        a_.loesung = stamm + "_sol.txt";
    if (a_.protokoll.empty())
        a_.protokoll = stamm + "_log.txt";
}

bool BoModullauf::Fehler(const std::string& text) {
    log_.push_back("Fehler: " + text);
    fehlerdatei_.push_back("VEXLO-error: " + text);
    return false;
}

void BoModullauf::DateienSchreiben(bool) {
    TextdateiSchreiben(a_.protokoll, log_);
    if (!fehlerdatei_.empty())
        TextdateiSchreiben(fehlerdateiName_, fehlerdatei_);
}
