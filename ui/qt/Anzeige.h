#pragma once
// Der kleine Textbetrachter kestrav-anzeige: zeigt eine Windows-1252-Datei nur zum Lesen, damit
// Umlaute im Protokoll auch auf einem UTF-8-Desktop stimmen.
#include <QString>

#include <memory>

class QWidget;

// Inhalt der Datei mit LF als Zeilenende; leer und ok=false, wenn sie nicht lesbar ist.
QString AnzeigetextLaden(const QString& pfad, bool* ok);
// Das Fenster des Betrachters (Titel = Dateiname).
std::unique_ptr<QWidget> AnzeigeErstellen(const QString& pfad);
