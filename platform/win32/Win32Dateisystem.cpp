#include "platform/win32/Win32Dateisystem.h"

#include "platform/Laufzeitfehler.h"
#include "platform/Muster.h"
#include "platform/Namensordnung.h"
#include "platform/Windowspfad.h"
#include "platform/Zeilenteiler.h"
#include "platform/win32/Breit.h"
#include "platform/win32/Win32Fehlernummern.h"

#include <algorithm>
#include <windows.h>

namespace {

constexpr DWORD kBlock = 64 * 1024;

[[noreturn]] void Werfen(int nummer, TextSicht pfad, const char* grund) {
    throw Laufzeitfehler(nummer, NachUtf8(pfad) + ": " + grund);
}

// Schließt die Datei beim Verlassen, auch wenn ein Rückruf oder ein Fehler dazwischenkommt.
class Kennung {
public:
    explicit Kennung(HANDLE h) : h_(h) {}
    ~Kennung() {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    Kennung(const Kennung&) = delete;
    Kennung& operator=(const Kennung&) = delete;
    HANDLE h() const { return h_; }

private:
    HANDLE h_;
};

// Wie unter POSIX: NUL und ":" (außer nach dem Laufwerksbuchstaben) nie, Platzhalter nur in
// Mustern. Den Rest prüft Windows selbst (52 über ERROR_INVALID_NAME).
void NamePruefen(TextSicht pfad, bool platzhalterErlaubt) {
    if (pfad.empty())
        Werfen(52, pfad, "leerer Dateiname");
    for (std::size_t i = 0; i < pfad.size(); ++i) {
        char16_t z = pfad[i];
        bool laufwerksDoppelpunkt = z == u':' && i == 1 && Laufwerksbuchstabe(pfad);
        if (z == 0 || (z == u':' && !laufwerksDoppelpunkt) ||
            (!platzhalterErlaubt && (z == u'*' || z == u'?')))
            Werfen(52, pfad, "ungültiger Name");
    }
}

DWORD Attribute(TextSicht pfad) {
    return GetFileAttributesW(Breit(pfad).c_str());
}

bool IstVerzeichnis(DWORD attribute) {
    return attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_DIRECTORY);
}

// Nur Dateien auf einem Datenträger: "con", "nul" oder eine Pipe sind ein Zugriffsfehler.
void DatentraegerdateiPruefen(HANDLE h, TextSicht pfad) {
    if (GetFileType(h) != FILE_TYPE_DISK)
        Werfen(75, pfad, "keine gewöhnliche Datei");
}

HANDLE ZumLesenOeffnen(TextSicht pfad) {
    NamePruefen(pfad, false);
    if (IstVerzeichnis(Attribute(pfad)))
        Werfen(75, pfad, "keine gewöhnliche Datei");
    HANDLE h = CreateFileW(Breit(pfad).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        Win32FehlerWerfen(pfad);
    return h;
}

DWORD BlockLesen(HANDLE h, char* puffer, TextSicht pfad) {
    DWORD gelesen = 0;
    if (!ReadFile(h, puffer, kBlock, &gelesen, nullptr))
        Win32FehlerWerfen(pfad);
    return gelesen;
}

void AllesSchreiben(HANDLE h, std::string_view bytes, TextSicht pfad) {
    while (!bytes.empty()) {
        DWORD teil = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD geschrieben = 0;
        if (!WriteFile(h, bytes.data(), teil, &geschrieben, nullptr))
            Win32FehlerWerfen(pfad);
        bytes.remove_prefix(geschrieben);
    }
}

// Schreiben ohne CREATE_ALWAYS: das scheitert an einer versteckten Datei, geleert wird von Hand.
HANDLE ZumSchreibenOeffnen(TextSicht pfad, bool anhaengen) {
    NamePruefen(pfad, false);
    DWORD attribute = Attribute(pfad);
    if (IstVerzeichnis(attribute))
        Werfen(75, pfad, "keine gewöhnliche Datei");
    // Selbst prüfen: unter Wine als root öffnete CreateFileW auch eine schreibgeschützte Datei.
    if (attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_READONLY))
        Werfen(70, pfad, "schreibgeschützt");
    HANDLE h = CreateFileW(Breit(pfad).c_str(), anhaengen ? FILE_APPEND_DATA : GENERIC_WRITE,
                           FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        Win32FehlerWerfen(pfad);
    return h;
}

// Versteckt sind Dateien mit dem Attribut und, wie auf POSIX-Hosts, Namen mit Punkt am Anfang.
bool Gewoehnlich(const WIN32_FIND_DATAW& fund) {
    constexpr DWORD kAusgeschlossen = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_SYSTEM;
    return (fund.dwFileAttributes & kAusgeschlossen) == 0 && fund.cFileName[0] != L'.';
}

// Namen der gewöhnlichen Dateien eines Verzeichnisses zum Muster, in NTFS-Ordnung: FAT- und
// exFAT-Datenträger liefern sie ungeordnet. Das Muster prüfen wir selbst, denn Windows vergleicht
// auch die kurzen 8.3-Namen ("*.??o" fände "tag1.o~1").
std::vector<Text> Passende(const Text& verzeichnis, TextSicht muster) {
    WIN32_FIND_DATAW fund;
    HANDLE suche = FindFirstFileExW(Breit(verzeichnis + u"*").c_str(), FindExInfoBasic, &fund,
                                    FindExSearchNameMatch, nullptr, 0);
    std::vector<Text> namen;
    if (suche == INVALID_HANDLE_VALUE) {
        DWORD fehler = GetLastError();
        if (fehler == ERROR_FILE_NOT_FOUND || fehler == ERROR_PATH_NOT_FOUND ||
            fehler == ERROR_DIRECTORY)
            return namen;
        Win32FehlerWerfen(fehler, verzeichnis);
    }
    do {
        Text name = AusBreit(fund.cFileName, wcslen(fund.cFileName));
        if (Gewoehnlich(fund) && PasstZuMuster(name, muster))
            namen.push_back(std::move(name));
    } while (FindNextFileW(suche, &fund));
    DWORD fehler = GetLastError();
    FindClose(suche);
    if (fehler != ERROR_NO_MORE_FILES)
        Win32FehlerWerfen(fehler, verzeichnis);
    std::sort(namen.begin(), namen.end(),
              [](const Text& a, const Text& b) { return NtfsVorher(a, b); });
    return namen;
}

void DateiEntfernen(TextSicht pfad) {
    if (!DeleteFileW(Breit(pfad).c_str()))
        Win32FehlerWerfen(pfad);
}

} // namespace

bool Win32Dateisystem::Existiert(const Text& pfad) {
    if (pfad.empty() || HatPlatzhalter(pfad))
        return false;
    DWORD attribute = Attribute(pfad);
    return attribute != INVALID_FILE_ATTRIBUTES &&
           (attribute & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

Text Win32Dateisystem::Lesen(const Text& pfad) {
    Kennung datei(ZumLesenOeffnen(pfad));
    DatentraegerdateiPruefen(datei.h(), pfad);
    std::string bytes;
    std::string puffer(kBlock, '\0');
    while (DWORD n = BlockLesen(datei.h(), puffer.data(), pfad))
        bytes.append(puffer, 0, n);
    return AusWindows1252(bytes);
}

void Win32Dateisystem::ZeilenLesen(const Text& pfad,
                                   const std::function<bool(const Text&)>& jeZeile) {
    ZeilenAusStueckenLesen(pfad, jeZeile);
}

void Win32Dateisystem::ZeilenstueckeLesen(const Text& pfad,
                                          const std::function<bool(TextSicht, bool)>& jeStueck) {
    Kennung datei(ZumLesenOeffnen(pfad));
    DatentraegerdateiPruefen(datei.h(), pfad);
    std::string puffer(kBlock, '\0');
    Zeilenteiler teiler(jeStueck);
    while (DWORD n = BlockLesen(datei.h(), puffer.data(), pfad))
        if (!teiler.Block(std::string_view(puffer.data(), n)))
            return;
    teiler.Ende();
}

void Win32Dateisystem::Schreiben(const Text& pfad, const Text& inhalt, bool anhaengen) {
    Kennung datei(ZumSchreibenOeffnen(pfad, anhaengen));
    DatentraegerdateiPruefen(datei.h(), pfad);
    if (!anhaengen && !SetEndOfFile(datei.h()))
        Win32FehlerWerfen(pfad);
    AllesSchreiben(datei.h(), NachWindows1252(inhalt), pfad);
}

void Win32Dateisystem::SicherErsetzen(const Text& pfad, const Text& inhalt) {
    NamePruefen(pfad, false);
    DWORD alt = Attribute(pfad);
    if (alt != INVALID_FILE_ATTRIBUTES) {
        if (alt & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))
            Werfen(75, pfad, "keine gewöhnliche Datei");
        // Eine schreibgeschützte Datei darf auch auf diesem Weg nicht überschrieben werden.
        if (alt & FILE_ATTRIBUTE_READONLY)
            Werfen(70, pfad, "schreibgeschützt");
    }
    // Mit Punkt beginnend: Auflistungen sehen die halbe Datei nie.
    Text temp = LetzteKomponenteAbtrennen(pfad).verzeichnis + u".kestrav-" +
                ZahlText(GetCurrentProcessId()) + u"-" + ZahlText(GetTickCount64()) + u".tmp";
    try {
        {
            HANDLE h = CreateFileW(Breit(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h == INVALID_HANDLE_VALUE)
                Win32FehlerWerfen(temp);
            Kennung datei(h);
            AllesSchreiben(h, NachWindows1252(inhalt), temp);
            if (!FlushFileBuffers(h))
                Win32FehlerWerfen(temp);
        }
        // Attribute wie versteckt bleiben der Datei erhalten.
        if (alt != INVALID_FILE_ATTRIBUTES)
            SetFileAttributesW(Breit(temp).c_str(), alt);
        if (!MoveFileExW(Breit(temp).c_str(), Breit(pfad).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            Win32FehlerWerfen(pfad);
    } catch (...) {
        DeleteFileW(Breit(temp).c_str());
        throw;
    }
}

void Win32Dateisystem::Loeschen(const Text& pfadOderMuster) {
    auto [verzeichnis, name] = LetzteKomponenteAbtrennen(pfadOderMuster);
    if (!HatPlatzhalter(name)) {
        NamePruefen(pfadOderMuster, false);
        DWORD attribute = Attribute(pfadOderMuster);
        if (attribute == INVALID_FILE_ATTRIBUTES)
            Win32FehlerWerfen(pfadOderMuster);
        if (attribute & FILE_ATTRIBUTE_DIRECTORY)
            Werfen(53, pfadOderMuster, "Verzeichnis");
        DateiEntfernen(pfadOderMuster);
        return;
    }
    NamePruefen(name, true);
    if (!verzeichnis.empty())
        NamePruefen(verzeichnis, false);
    auto namen = Passende(verzeichnis, name);
    if (namen.empty()) {
        bool da = verzeichnis.empty() || IstVerzeichnis(Attribute(verzeichnis));
        Werfen(da ? 53 : 76, pfadOderMuster, "keine passende Datei");
    }
    for (const auto& n : namen)
        DateiEntfernen(verzeichnis + n);
}

void Win32Dateisystem::Umbenennen(const Text& alt, const Text& neu) {
    NamePruefen(alt, false);
    NamePruefen(neu, false);
    if (Attribute(alt) == INVALID_FILE_ATTRIBUTES)
        Win32FehlerWerfen(alt);
    if (alt == neu)
        Werfen(58, neu, "existiert bereits");
    // Ohne MOVEFILE_REPLACE_EXISTING: ein vorhandenes Ziel ist 58; nur die Schreibweise zu
    // ändern ("a.txt" -> "A.TXT") erlaubt Windows selbst.
    if (!MoveFileExW(Breit(alt).c_str(), Breit(neu).c_str(), MOVEFILE_COPY_ALLOWED))
        Win32FehlerWerfen(neu);
}

std::vector<Text> Win32Dateisystem::Auflisten(const Text& pfadMitMuster) {
    auto [verzeichnis, muster] = LetzteKomponenteAbtrennen(pfadMitMuster);
    if (!muster.empty())
        NamePruefen(muster, true);
    if (!verzeichnis.empty())
        NamePruefen(verzeichnis, false);
    return Passende(verzeichnis, muster.empty() ? u"*" : TextSicht(muster));
}

Text Win32Dateisystem::AktuellesVerzeichnis() {
    std::wstring puffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(puffer.size()), puffer.data());
        if (n == 0)
            Win32FehlerWerfen(u".");
        if (n < puffer.size()) {
            puffer.resize(n);
            break;
        }
        puffer.resize(n);
    }
    // Ohne "\" am Ende, außer an der Wurzel ("c:\").
    if (puffer.size() > 3 && puffer.back() == L'\\')
        puffer.pop_back();
    return AusBreit(puffer);
}

void Win32Dateisystem::LaufwerkWechseln(const Text& laufwerk) {
    if (laufwerk.empty())
        return;
    char16_t buchstabe = KleinZeichen(laufwerk[0]);
    Text wurzel{buchstabe, u':', u'\\'};
    if (buchstabe < u'a' || buchstabe > u'z' ||
        GetDriveTypeW(Breit(wurzel).c_str()) == DRIVE_NO_ROOT_DIR)
        Werfen(68, laufwerk, "Laufwerk nicht vorhanden");
    // "x:" allein führt in das gemerkte Verzeichnis des Laufwerks (Umgebungsvariable "=X:").
    Text nurLaufwerk{buchstabe, u':'};
    if (!SetCurrentDirectoryW(Breit(nurLaufwerk).c_str()) &&
        !SetCurrentDirectoryW(Breit(wurzel).c_str()))
        Werfen(68, laufwerk, "Laufwerk nicht verfügbar");
}

void Win32Dateisystem::VerzeichnisWechseln(const Text& pfad) {
    if (pfad.empty())
        Werfen(76, pfad, "leerer Pfad");
    NamePruefen(pfad, false);
    std::wstring voll(32768, L'\0');
    DWORD n = GetFullPathNameW(Breit(pfad).c_str(), static_cast<DWORD>(voll.size()), voll.data(),
                               nullptr);
    if (n == 0 || n >= voll.size())
        Werfen(76, pfad, "Pfad nicht gefunden");
    voll.resize(n);
    if (voll.size() > 3 && voll.back() == L'\\')
        voll.pop_back();
    DWORD attribute = GetFileAttributesW(voll.c_str());
    if (attribute == INVALID_FILE_ATTRIBUTES || !(attribute & FILE_ATTRIBUTE_DIRECTORY))
        Werfen(76, pfad, "kein Verzeichnis");
    Text aktuell = AktuellesVerzeichnis();
    bool aktuellesLaufwerk =
        voll.size() >= 2 && voll[1] == L':' && !aktuell.empty() &&
        KleinZeichen(static_cast<char16_t>(voll[0])) == KleinZeichen(aktuell[0]);
    if (aktuellesLaufwerk) {
        if (!SetCurrentDirectoryW(voll.c_str()))
            Win32FehlerWerfen(pfad);
        return;
    }
    // Ein anderes Laufwerk merkt sich sein Verzeichnis wie in cmd.exe in "=X:".
    if (voll.size() >= 2 && voll[1] == L':') {
        std::wstring variable{L'=', static_cast<wchar_t>(towupper(voll[0])), L':'};
        SetEnvironmentVariableW(variable.c_str(), voll.c_str());
    }
}

// Jede Operation schließt ihre Datei selbst, bevor sie zurückkehrt: es bleibt nichts zu schließen.
void Win32Dateisystem::AlleSchliessen() {}
