#include "platform/win32/Win32Prozesse.h"

#include "platform/Laufzeitfehler.h"
#include "platform/win32/Breit.h"
#include "platform/win32/Win32Fehlernummern.h"

#include <windows.h>

#include <shellapi.h> // braucht windows.h davor

namespace {

WORD Anzeigewert(Fensterstil stil) {
    switch (stil) {
    case Fensterstil::MinimiertOhneFokus:
        return SW_SHOWMINNOACTIVE;
    case Fensterstil::MaximiertMitFokus:
        return SW_SHOWMAXIMIZED;
    case Fensterstil::NormalMitFokus:
        break;
    }
    return SW_SHOWNORMAL;
}

// Ein Name mit Leerzeichen kommt in Anführungszeichen; cmd.exe behält sie dann nach /c.
Text InAnfuehrung(const Text& name) {
    return u"\"" + name + u"\"";
}

Text Befehlsinterpreter() {
    wchar_t puffer[MAX_PATH];
    UINT n = GetSystemDirectoryW(puffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return u"cmd.exe";
    return AusBreit(puffer, n) + u"\\cmd.exe";
}

} // namespace

Win32Prozesse::~Win32Prozesse() {
    for (auto& [id, kennung] : prozesse_)
        CloseHandle(kennung);
    if (auftrag_)
        CloseHandle(auftrag_);
}

int Win32Prozesse::Starten(const Text& befehlszeile, Fensterstil stil, bool stapel) {
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESHOWWINDOW;
    start.wShowWindow = Anzeigewert(stil);
    PROCESS_INFORMATION prozess{};
    std::wstring zeile = Breit(befehlszeile);
    // Im Auftragsobjekt ab dem ersten Befehl: erst angehalten zuordnen, dann laufen lassen.
    DWORD art = CREATE_NEW_CONSOLE | CREATE_UNICODE_ENVIRONMENT;
    if (stapel && auftrag_)
        art |= CREATE_SUSPENDED;
    // Nur der Stapel erbt Kennungen: die vererbbaren Laufsperren.
    if (!CreateProcessW(nullptr, zeile.data(), nullptr, nullptr, stapel ? TRUE : FALSE, art,
                        nullptr, nullptr, &start, &prozess))
        Win32FehlerWerfen(befehlszeile);
    if (art & CREATE_SUSPENDED) {
        if (!AssignProcessToJobObject(auftrag_, prozess.hProcess)) {
            DWORD fehler = GetLastError();
            TerminateProcess(prozess.hProcess, 1);
            CloseHandle(prozess.hThread);
            CloseHandle(prozess.hProcess);
            Win32FehlerWerfen(fehler, befehlszeile);
        }
        ResumeThread(prozess.hThread);
    }
    CloseHandle(prozess.hThread);
    int id = static_cast<int>(prozess.dwProcessId);
    auto alt = prozesse_.find(id);
    if (alt != prozesse_.end())
        CloseHandle(alt->second);
    prozesse_[id] = prozess.hProcess;
    return id;
}

int Win32Prozesse::StapelStarten(const Text& stapeldatei, Fensterstil stil) {
    // /d: keine AutoRun-Befehle aus der Registrierung vor dem Stapel.
    return Starten(InAnfuehrung(Befehlsinterpreter()) + u" /d /c " + InAnfuehrung(stapeldatei),
                   stil, true);
}

int Win32Prozesse::ProgrammStarten(const Text& programm, const Text& argumente, Fensterstil stil) {
    Text zeile = InAnfuehrung(programm);
    if (!argumente.empty())
        zeile += u" " + argumente;
    return Starten(zeile, stil, false);
}

int Win32Prozesse::Exitcode(int taskId) {
    DWORD code = 0;
    auto it = prozesse_.find(taskId);
    if (it != prozesse_.end())
        return GetExitCodeProcess(it->second, &code) ? static_cast<int>(code) : -1;
    HANDLE fremd =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(taskId));
    if (!fremd)
        return -1;
    BOOL ok = GetExitCodeProcess(fremd, &code);
    CloseHandle(fremd);
    return ok ? static_cast<int>(code) : -1;
}

void Win32Prozesse::WarteAufEnde(int taskId, int maxMs) {
    auto it = prozesse_.find(taskId);
    if (it != prozesse_.end()) {
        WaitForSingleObject(it->second, static_cast<DWORD>(maxMs < 0 ? 0 : maxMs));
        return;
    }
    HANDLE fremd = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(taskId));
    if (!fremd)
        return;
    WaitForSingleObject(fremd, static_cast<DWORD>(maxMs < 0 ? 0 : maxMs));
    CloseHandle(fremd);
}

Text Win32Prozesse::ZugeordnetesProgramm(const Text& datei) {
    wchar_t puffer[MAX_PATH] = {};
    auto ergebnis =
        reinterpret_cast<INT_PTR>(FindExecutableW(Breit(datei).c_str(), nullptr, puffer));
    if (ergebnis <= 32)
        return Text();
    return AusBreit(puffer, wcslen(puffer));
}

void Win32Prozesse::TexteditorOeffnen(const Text& datei) {
    ProgrammStarten(u"notepad.exe", InAnfuehrung(datei), Fensterstil::NormalMitFokus);
}

bool Win32Prozesse::InStapelzeileSicher(TextSicht name) const {
    if (!Prozesse::InStapelzeileSicher(name))
        return false;
    return name.find_first_of(u"&|<>^%!()") == TextSicht::npos;
}

void Win32Prozesse::ElternwacheSetzen(bool an) {
    if (!an) {
        if (auftrag_)
            CloseHandle(auftrag_);
        auftrag_ = nullptr;
        return;
    }
    if (auftrag_)
        return;
    HANDLE auftrag = CreateJobObjectW(nullptr, nullptr);
    if (!auftrag)
        Win32FehlerWerfen(u"Auftragsobjekt");
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION grenzen{};
    grenzen.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(auftrag, JobObjectExtendedLimitInformation, &grenzen,
                                 sizeof grenzen)) {
        DWORD fehler = GetLastError();
        CloseHandle(auftrag);
        Win32FehlerWerfen(fehler, u"Auftragsobjekt");
    }
    auftrag_ = auftrag;
}

void Win32Prozesse::StapelBeenden(int taskId, int fristMs) {
    auto it = prozesse_.find(taskId);
    if (it == prozesse_.end())
        return;
    // Windows kennt kein höfliches Beenden einer Konsole ohne Fenster: sofort, samt Kindern.
    if (auftrag_)
        TerminateJobObject(auftrag_, 1);
    else
        TerminateProcess(it->second, 1);
    WaitForSingleObject(it->second, static_cast<DWORD>(fristMs < 0 ? 0 : fristMs));
}
