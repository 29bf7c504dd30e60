// Misst abwechselnd kestrav und das leere Vergleichsfenster vom Start des Prozesses bis zum Ende,
// das beide gleich nach dem ersten vollständigen Zeichnen nehmen, und gibt den Median und das
// Verhältnis aus.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Millisekunden bis zum Ende; negativ, wenn das Programm scheitert.
double Lauf(const QString& programm, const QProcessEnvironment& umgebung) {
    QProcess prozess;
    prozess.setProcessEnvironment(umgebung);
    prozess.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer uhr;
    uhr.start();
    prozess.start(programm, {});
    if (!prozess.waitForFinished(30000) || prozess.exitStatus() != QProcess::NormalExit ||
        prozess.exitCode() != 0)
        return -1;
    return uhr.nsecsElapsed() / 1e6;
}

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int durchlaeufe = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    // Ein Laufwerk C: mit eingerichtetem Rechenkern, damit der Start keine Meldung zeigt.
    QTemporaryDir laufwerk;
    QDir(laufwerk.path()).mkpath(QStringLiteral("programme/vexlo"));
    for (const char* name : {"bo1.exe", "bo2.exe", "geoid.bog"}) {
        QFile datei(laufwerk.filePath(QStringLiteral("programme/vexlo/") + QLatin1String(name)));
        datei.open(QIODevice::WriteOnly);
    }
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    umgebung.insert(QStringLiteral("KESTRAV_STARTMESSUNG"), QStringLiteral("1"));
    umgebung.insert(QStringLiteral("KESTRAV_LAUFWERK_C"), laufwerk.path());

    const QString kestrav = QStringLiteral(KESTRAV_PROGRAMM);
    const QString leer = QStringLiteral(LEERES_FENSTER);
    // Ein Durchlauf zum Aufwärmen (Seitencache, Schriften), dann abwechselnd.
    if (Lauf(kestrav, umgebung) < 0 || Lauf(leer, umgebung) < 0) {
        std::fprintf(stderr, "Ein Programm startet nicht oder endet nicht von selbst.\n");
        return 1;
    }
    std::vector<double> zeitenKestrav, zeitenLeer;
    for (int i = 0; i < durchlaeufe; ++i) {
        zeitenKestrav.push_back(Lauf(kestrav, umgebung));
        zeitenLeer.push_back(Lauf(leer, umgebung));
    }
    if (*std::min_element(zeitenKestrav.begin(), zeitenKestrav.end()) < 0 ||
        *std::min_element(zeitenLeer.begin(), zeitenLeer.end()) < 0) {
        std::fprintf(stderr, "Ein Lauf ist gescheitert.\n");
        return 1;
    }
    const double k = Median(zeitenKestrav);
    const double l = Median(zeitenLeer);
    std::printf("Start bis gezeichnetes Fenster (offscreen), Median aus %d Läufen:\n", durchlaeufe);
    std::printf("  kestrav          %8.1f ms (schnellster %.1f ms)\n", k,
                *std::min_element(zeitenKestrav.begin(), zeitenKestrav.end()));
    std::printf("  leeres QWidget   %8.1f ms (schnellster %.1f ms)\n", l,
                *std::min_element(zeitenLeer.begin(), zeitenLeer.end()));
    std::printf("  Verhältnis       %8.2f\n", k / l);
    return 0;
}
