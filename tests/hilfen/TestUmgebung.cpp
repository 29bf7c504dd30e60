#include "TestUmgebung.h"

#include "shell/Start.h"

TestUmgebung::TestUmgebung() {
    vorherigesVerzeichnis_ = std::filesystem::current_path();
    laufwerkC = temp.Pfad() / "c";
    vexlo = laufwerkC / "programme" / "vexlo";
    programm = laufwerkC / "programme" / "kestrav";
    arbeit = laufwerkC / "daten" / "tag1";
    for (const auto& p : {vexlo, programm, arbeit})
        std::filesystem::create_directories(p);
    laufwerke.Setzen(u'c', laufwerkC.string());
    laufwerke.Setzen(u'z', "/");
    datei = std::make_unique<PosixDateisystem>(laufwerke);
    korb = temp.Pfad() / "xdg" / "Trash";
    papierkorb = std::make_unique<TestPapierkorb>(laufwerke, korb.string());
    sperren = std::make_unique<PosixSperren>(laufwerke);
    system.programmpfad = AusUtf8(programm.string());
    umgebung = std::make_unique<Umgebung>(Umgebung{*datei, prozesse, schleife, dialoge,
                                                   programmdienst, system, *papierkorb, *sperren});
}

TestUmgebung::~TestUmgebung() {
    form_.reset();
    std::error_code fehler;
    std::filesystem::current_path(vorherigesVerzeichnis_, fehler);
}

Basisformular& TestUmgebung::Formular() {
    if (!form_)
        form_ = std::make_unique<Basisformular>(*umgebung);
    return *form_;
}

Basisformular& TestUmgebung::Start() {
    Basisformular& form = Formular();
    FormularLaden(form);
    return form;
}

void TestUmgebung::EngineInstallieren(bool geoid) {
    BytesSchreiben(vexlo / "bo1.exe", "");
    BytesSchreiben(vexlo / "bo2.exe", "");
    if (geoid)
        BytesSchreiben(vexlo / "gcg2016.bog", "");
}

void TestUmgebung::Arbeitsdatei(const std::string& name, const std::string& bytes) {
    BytesSchreiben(arbeit / name, bytes);
}

void TestUmgebung::InsArbeitsverzeichnis() {
    datei->LaufwerkWechseln(u"c:");
    datei->VerzeichnisWechseln(u"c:\\daten\\tag1");
}
