#include "TestUmgebung.h"

TestUmgebung::TestUmgebung() {
    vorherigesVerzeichnis_ = std::filesystem::current_path();
#ifdef _WIN32
    laufwerkC = "c:\\";
    for (const auto& eintrag : std::filesystem::directory_iterator(laufwerkC))
        vorhandenInC_.insert(eintrag.path());
#else
    laufwerkC = temp.Pfad() / "c";
#endif
    vexlo = laufwerkC / "programme" / "vexlo";
    programm = laufwerkC / "programme" / "kestrav";
    arbeit = laufwerkC / "daten" / "tag1";
    for (const auto& p : {vexlo, programm, arbeit}) {
        std::filesystem::remove_all(p); // Windows: Reste eines abgebrochenen Tests in C:
        std::filesystem::create_directories(p);
    }
#ifdef _WIN32
    datei = std::make_unique<Win32Dateisystem>();
    papierkorb = std::make_unique<TestPapierkorb>();
    sperren = std::make_unique<Win32Sperren>();
    system.programmpfad = programm.u16string();
#else
    laufwerke.Setzen(u'c', laufwerkC.string());
    laufwerke.Setzen(u'z', "/");
    datei = std::make_unique<PosixDateisystem>(laufwerke);
    korb = temp.Pfad() / "xdg" / "Trash";
    papierkorb = std::make_unique<TestPapierkorb>(laufwerke, korb.string());
    sperren = std::make_unique<PosixSperren>(laufwerke);
    system.programmpfad = AusUtf8(programm.string());
#endif
    umgebung = std::make_unique<Umgebung>(Umgebung{*datei, prozesse, schleife, dialoge,
                                                   programmdienst, system, *papierkorb, *sperren});
}

TestUmgebung::~TestUmgebung() {
    form_.reset();
    std::error_code fehler;
    std::filesystem::current_path(vorherigesVerzeichnis_, fehler);
#ifdef _WIN32
    std::vector<std::filesystem::path> neu;
    for (const auto& eintrag : std::filesystem::directory_iterator(laufwerkC, fehler))
        if (!vorhandenInC_.count(eintrag.path()))
            neu.push_back(eintrag.path());
    for (const auto& pfad : neu)
        std::filesystem::remove_all(pfad, fehler);
    for (const auto& pfad : {vexlo, programm, arbeit})
        std::filesystem::remove_all(pfad, fehler);
#endif
}

void TestUmgebung::EngineInstallieren(bool geoid) {
    BytesSchreiben(vexlo / "bo1.exe", "");
    BytesSchreiben(vexlo / "bo2.exe", "");
    if (geoid)
        BytesSchreiben(vexlo / "gcg2016.bog", "");
}
