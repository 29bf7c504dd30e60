#pragma once
// Modelle der Steuerelemente. Jede Änderung eines Wertes löst die Regel des Elements sofort im
// Setter aus, gleich ob der Benutzer oder das Programm den Wert setzt. Beobachter (die Oberfläche)
// werden nach jeder Änderung benachrichtigt.
#include "platform/Text.h"

#include <functional>
#include <string>
#include <vector>

class Steuerelement {
public:
    explicit Steuerelement(std::string name) : name_(std::move(name)) {}
    virtual ~Steuerelement() = default;
    Steuerelement(const Steuerelement&) = delete;
    Steuerelement& operator=(const Steuerelement&) = delete;

    const std::string& Name() const { return name_; }

    bool Aktiviert() const { return aktiviert_; }
    void SetzeAktiviert(bool wert);
    bool Sichtbar() const { return sichtbar_; }
    void SetzeSichtbar(bool wert);
    const Text& Tooltip() const { return tooltip_; }
    void SetzeTooltip(Text wert);

    // Die Oberfläche hängt sich hier an; gerufen nach jeder Änderung irgendeines Wertes.
    int Beobachten(std::function<void()> beobachter);
    void BeobachterEntfernen(int kennung);

protected:
    void Melden();

private:
    std::string name_;
    bool aktiviert_ = true;
    bool sichtbar_ = true;
    Text tooltip_;
    std::vector<std::pair<int, std::function<void()>>> beobachter_;
    int naechsteKennung_ = 1;
};

class TextFeld : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    const Text& Wert() const { return text_; }
    // Löst "Change" aus, wenn sich der Text ändert.
    void SetzeText(Text wert);
    std::function<void()> beiAenderung;

private:
    Text text_;
};

class Beschriftung : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    const Text& Caption() const { return caption_; }
    void SetzeCaption(Text wert);

private:
    Text caption_;
};

class Kontrollkaestchen : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    int Wert() const { return wert_; }
    // 0, 1 oder 2; jeder andere Wert ist Laufzeitfehler 380. Löst "Click" bei jeder Änderung aus.
    void SetzeWert(int wert);
    const Text& Caption() const { return caption_; }
    void SetzeCaption(Text wert);
    std::function<void()> beiKlick;

private:
    int wert_ = 0;
    Text caption_;
};

class Optionsgruppe;

class Optionsfeld : public Steuerelement {
public:
    Optionsfeld(std::string name, Optionsgruppe& gruppe);
    bool Gewaehlt() const { return gewaehlt_; }
    // Wählt dieses Feld und hebt die anderen der Gruppe auf; "Click" nur, wenn es neu gewählt wird.
    void Waehlen();
    const Text& Caption() const { return caption_; }
    void SetzeCaption(Text wert);
    std::function<void()> beiKlick;

private:
    friend class Optionsgruppe;
    void Aufheben();
    Optionsgruppe& gruppe_;
    bool gewaehlt_ = false;
    Text caption_;
};

class Optionsgruppe {
public:
    void Aufnehmen(Optionsfeld& feld) { felder_.push_back(&feld); }
    void AndereAufheben(const Optionsfeld& gewaehlt);

private:
    std::vector<Optionsfeld*> felder_;
};

class Listenfeld : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    int Anzahl() const { return static_cast<int>(eintraege_.size()); }
    // Laufzeitfehler 381 außerhalb des Bereichs.
    const Text& Eintrag(int index) const;
    const std::vector<Text>& Eintraege() const { return eintraege_; }
    void Hinzufuegen(Text eintrag);
    // Laufzeitfehler 5 außerhalb des Bereichs.
    void Entfernen(int index);
    void Leeren();
    int Auswahl() const { return auswahl_; }
    // -1 hebt die Auswahl auf; sonst Laufzeitfehler 380 außerhalb des Bereichs.
    void SetzeAuswahl(int index);
    // Wie die Zuweisung an List.Text: wählt den Eintrag gleichen Textes (ohne Rücksicht auf
    // Groß-/Kleinschreibung), sonst keine Auswahl.
    void SetzeText(const Text& text);
    std::function<void()> beiDoppelklick;
    std::function<void()> beiMausbewegung;

private:
    std::vector<Text> eintraege_;
    int auswahl_ = -1;
};

class Schaltflaeche : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    const Text& Caption() const { return caption_; }
    void SetzeCaption(Text wert);
    // Führt die Regel aus, wie ein Klick des Benutzers.
    void Klicken();
    std::function<void()> beiKlick;

private:
    Text caption_;
};

using Menueeintrag = Schaltflaeche;

class Rahmen : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
};

class Registerkarte : public Steuerelement {
public:
    Registerkarte(std::string name, std::vector<Text> reiter)
        : Steuerelement(std::move(name)), reiter_(std::move(reiter)) {}
    const std::vector<Text>& Reiter() const { return reiter_; }
    int GewaehlterReiter() const { return gewaehlt_; }
    void SetzeReiter(int index);

private:
    std::vector<Text> reiter_;
    int gewaehlt_ = 0;
};

class Zeitgeber : public Steuerelement {
public:
    Zeitgeber(std::string name, int intervallMs)
        : Steuerelement(std::move(name)), intervall_(intervallMs) {
        SetzeAktiviert(false);
    }
    int Intervall() const { return intervall_; }
    void SetzeIntervall(int ms);
    // Vom Zeitgeber der Plattform (oder der Testschleife) gerufen, wenn das Intervall um ist.
    void Ticken();
    std::function<void()> beiTick;

private:
    int intervall_;
    bool imTick_ = false;
};

class Fortschrittsbalken : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    int Wert() const { return wert_; }
    int Maximum() const { return maximum_; }
    // Werte außerhalb von 0..Maximum sind Laufzeitfehler 380.
    void SetzeWert(int wert);
    // Das Maximum muss größer als 0 sein, sonst Laufzeitfehler 380.
    void SetzeMaximum(int wert);

private:
    int wert_ = 0;
    int maximum_ = 100;
};

class Fenster : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    const Text& Caption() const { return caption_; }
    void SetzeCaption(Text wert);
    bool Angezeigt() const { return angezeigt_; }
    void Zeigen();
    void Schliessen();
    // Innenmaße in Twips, wie entworfen; Außenmaße setzt die Oberfläche nach ihrer Regel.
    int BreiteTwips() const { return breite_; }
    int HoeheTwips() const { return hoehe_; }
    void SetzeGroesse(int breiteTwips, int hoeheTwips);
    bool Zentriert() const { return zentriert_; }
    void SetzeZentriert(bool wert);
    // Schließwunsch des Benutzers (Schließfeld): true bricht das Schließen ab.
    std::function<bool()> beiSchliesswunsch;

private:
    Text caption_;
    bool angezeigt_ = false;
    int breite_ = 0;
    int hoehe_ = 0;
    bool zentriert_ = true;
};
