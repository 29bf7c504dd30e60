#include "Pdf.h"

#include "platform/Text.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kZeilenJeSeite = 60;
constexpr int kSchriftgroesse = 9;
constexpr int kZeilenabstand = 12;

// Text als PDF-Zeichenkette: Windows-1252 (= WinAnsiEncoding), Klammern und "\" maskiert.
std::string PdfText(const std::string& utf8) {
    std::string s = "(";
    for (char c : NachWindows1252(AusUtf8(utf8))) {
        if (c == '(' || c == ')' || c == '\\')
            s += '\\';
        s += c;
    }
    return s + ")";
}

std::string Inhaltsstrom(const std::string& titel, const std::vector<std::string>& zeilen,
                         std::size_t von, std::size_t bis, bool ersteSeite) {
    std::string s = "BT\r\n";
    if (ersteSeite)
        s += "/F2 14 Tf 50 790 Td " + PdfText(titel) + " Tj 0 -24 Td\r\n";
    else
        s += "50 800 Td\r\n";
    s += "/F1 " + std::to_string(kSchriftgroesse) + " Tf " + std::to_string(kZeilenabstand) +
         " TL\r\n";
    for (std::size_t i = von; i < bis; ++i)
        s += PdfText(zeilen[i]) + " Tj T*\r\n";
    return s + "ET";
}

class PdfSchreiber {
public:
    int Objekt(const std::string& inhalt) {
        objekte_.push_back(inhalt);
        return static_cast<int>(objekte_.size());
    }
    void Setzen(int nummer, const std::string& inhalt) { objekte_[nummer - 1] = inhalt; }

    std::string Datei(int katalog, int info) const {
        std::string d = "%PDF-1.4\r\n%\xE2\xE3\xCF\xD3\r\n";
        std::vector<std::size_t> stellen;
        for (std::size_t i = 0; i < objekte_.size(); ++i) {
            stellen.push_back(d.size());
            d += std::to_string(i + 1) + " 0 obj\r\n" + objekte_[i] + "\r\nendobj\r\n";
        }
        const std::size_t xref = d.size();
        d += "xref\r\n0 " + std::to_string(objekte_.size() + 1) + "\r\n0000000000 65535 f\r\n";
        for (std::size_t stelle : stellen) {
            char eintrag[24];
            std::snprintf(eintrag, sizeof eintrag, "%010zu 00000 n\r\n", stelle);
            d += eintrag;
        }
        d += "trailer\r\n<< /Size " + std::to_string(objekte_.size() + 1) + " /Root " +
             std::to_string(katalog) + " 0 R /Info " + std::to_string(info) + " 0 R >>\r\n";
        d += "startxref\r\n" + std::to_string(xref) + "\r\n%%EOF\r\n";
        return d;
    }

private:
    std::vector<std::string> objekte_;
};

} // namespace

std::string PdfErzeugen(const std::string& titel, const std::vector<std::string>& zeilen) {
    PdfSchreiber pdf;
    const int katalog = pdf.Objekt("");
    const int seiten = pdf.Objekt("");
    // Courier, damit eingerückte Spalten der Handbücher untereinander stehen.
    const int schrift = pdf.Objekt(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
    const int fett = pdf.Objekt(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>");
    const int info = pdf.Objekt("<< /Title " + PdfText(titel) +
                                " /Producer (vexlo-sim) /Creator (vexlo-sim) >>");
    std::string kinder;
    int anzahl = 0;
    for (std::size_t von = 0; von < zeilen.size() || anzahl == 0; von += kZeilenJeSeite) {
        const std::size_t bis = std::min(zeilen.size(), von + kZeilenJeSeite);
        const std::string strom = Inhaltsstrom(titel, zeilen, von, bis, anzahl == 0);
        const int inhalt = pdf.Objekt("<< /Length " + std::to_string(strom.size()) +
                                      " >>\r\nstream\r\n" + strom + "\r\nendstream");
        const int seite = pdf.Objekt("<< /Type /Page /Parent " + std::to_string(seiten) +
                                     " 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 " +
                                     std::to_string(schrift) + " 0 R /F2 " + std::to_string(fett) +
                                     " 0 R >> >> /Contents " + std::to_string(inhalt) + " 0 R >>");
        kinder += (kinder.empty() ? "" : " ") + std::to_string(seite) + " 0 R";
        ++anzahl;
    }
    pdf.Setzen(katalog, "<< /Type /Catalog /Pages " + std::to_string(seiten) + " 0 R >>");
    pdf.Setzen(seiten,
               "<< /Type /Pages /Kids [" + kinder + "] /Count " + std::to_string(anzahl) + " >>");
    return pdf.Datei(katalog, info);
}
