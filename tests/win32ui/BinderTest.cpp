// Das Win32-Fenster über dem Basisformular: Fensternachrichten an echte Steuerelemente setzen das
// Modell und lösen die Regel genau einmal aus; Änderungen des Modells erscheinen im Steuerelement,
// ohne zurückzuwirken.
#include "hilfen/Attrappen.h"
#include "platform/win32/Win32Dateisystem.h"
#include "platform/win32/Win32Papierkorb.h"
#include "platform/win32/Win32Sperren.h"
#include "shell/Basisformular.h"
#include "ui/Twips.h"
#include "ui/win32/Win32Ereignisschleife.h"
#include "ui/win32/Win32Hauptfenster.h"
#include "ui/win32/Win32Text.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

class Win32Fenster : public ::testing::Test {
protected:
    Win32Fenster() {
        form.zustand.Programmverzeichnis = u"c:\\programme\\kestrav\\";
        fenster = std::make_unique<Win32Hauptfenster>(form);
        form.fenster.Zeigen();
    }

    HWND H(const char* name) {
        HWND h = fenster->Binder().Finde(name);
        EXPECT_NE(h, nullptr) << name;
        return h;
    }
    LRESULT Senden(const char* name, UINT nachricht, WPARAM w = 0, LPARAM l = 0) {
        return SendMessageW(H(name), nachricht, w, l);
    }

    // Die echten Dienste des Systems, nur Meldungen, Schleife, Prozesse und Programm sind
    // Attrappen.
    Win32Dateisystem datei;
    AttrappeSchleife schleife;
    AttrappeProzesse prozesse{schleife};
    AttrappeDialoge dialoge;
    AttrappeProgramm programm;
    AttrappeSysteminfo system;
    Win32Papierkorb papierkorb;
    Win32Sperren sperren;
    Umgebung umgebung{datei, prozesse, schleife, dialoge, programm, system, papierkorb, sperren};
    Basisformular form{umgebung};
    std::unique_ptr<Win32Hauptfenster> fenster;
    int regeln = 0;
};

// Eingabe über Fensternachrichten -> Modell, je Steuerelementart; die Regel läuft genau einmal.
TEST_F(Win32Fenster, EingabenSetzenDasModellJeSteuerelementart) {
    // Name, Anmelden der Regel, Eingabe, Prüfung des Modells.
    using F = std::function<void()>;
    auto zaehlen = [this] { ++regeln; };
    const std::tuple<const char*, F, F, std::function<bool()>> faelle[] = {
        {"QelWeitereParameter", [&] { form.QelWeitereParameter.beiAenderung = zaehlen; },
         [&] { Senden("QelWeitereParameter", WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"-ä x")); },
         [&] { return form.QelWeitereParameter.Wert() == u"-ä x"; }},
        {"chkDelRINEX", [&] { form.chkDelRINEX.beiKlick = zaehlen; },
         [&] { Senden("chkDelRINEX", BM_CLICK); }, [&] { return form.chkDelRINEX.Wert() == 1; }},
        {"QelHöheEllips", [&] { form.QelHöheEllips.beiKlick = zaehlen; },
         [&] { Senden("QelHöheEllips", BM_CLICK); },
         [&] { return form.QelHöheEllips.Gewaehlt() && !form.QelHöheDhhn.Gewaehlt(); }},
        {"Neupunkte", [&] { form.Neupunkte.beiDoppelklick = zaehlen; },
         [&] {
             // LB_SETCURSEL und TCM_SETCURSEL melden nichts; die Benachrichtigung kommt wie vom
             // Benutzer.
             Senden("Neupunkte", LB_SETCURSEL, 1);
             SendMessageW(GetParent(H("Neupunkte")), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(H("Neupunkte")));
             RECT zeile{};
             Senden("Neupunkte", LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&zeile));
             Senden("Neupunkte", WM_LBUTTONDBLCLK, MK_LBUTTON,
                    MAKELPARAM(zeile.left + 2, zeile.top + 2));
         },
         [&] { return form.Neupunkte.Auswahl() == 1; }},
        {"Referenzpunkte (Mausbewegung)", [&] { form.Referenzpunkte.beiMausbewegung = zaehlen; },
         [&] { SendMessageW(H("Referenzpunkte"), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)); },
         [] { return true; }},
        // Der Knopf liegt auf dem gewechselten Reiter: Klick und Reiterwechsel in einem Fall.
        {"Reiter", [&] { form.ButtonStandardwerte.beiKlick = zaehlen; },
         [&] {
             Senden("RegisterkarteKestrav", TCM_SETCURSEL, 2);
             NMHDR kopf{H("RegisterkarteKestrav"), 0, static_cast<UINT>(TCN_SELCHANGE)};
             SendMessageW(fenster->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&kopf));
             Senden("ButtonStandardwerte", BM_CLICK);
         },
         [&] {
             return form.RegisterkarteKestrav.GewaehlterReiter() == 2 &&
                    IsWindowVisible(H("FrameFehler")) && !IsWindowVisible(H("Frame1"));
         }},
    };
    form.Neupunkte.Hinzufuegen(u"a.23o");
    form.Neupunkte.Hinzufuegen(u"b.23o");
    for (const auto& [name, regelAnmelden, eingabe, modellStimmt] : faelle) {
        regeln = 0;
        regelAnmelden();
        eingabe();
        EXPECT_TRUE(modellStimmt()) << name;
        EXPECT_EQ(regeln, 1) << name;
    }
}

// Modell -> Steuerelement, ohne dass das Schreiben des Binders eine Regel auslöst.
TEST_F(Win32Fenster, ModellaenderungenErscheinenOhneEcho) {
    int aenderungen = 0;
    form.Beobachtungstag.beiAenderung = [&] { ++aenderungen; };
    form.Beobachtungstag.SetzeText(u"123");
    EXPECT_EQ(Fenstertext(H("Beobachtungstag")), L"123");
    EXPECT_EQ(aenderungen, 1); // das EN_CHANGE des Schreibens kommt nicht zurück

    form.QelGPS.SetzeWert(2);
    EXPECT_EQ(Senden("QelGPS", BM_GETCHECK), BST_INDETERMINATE);
    Senden("QelGPS", BM_CLICK); // aus dem dritten Zustand wie in VB auf 1, nicht auf 0
    EXPECT_EQ(form.QelGPS.Wert(), 1);

    form.QelHöheDhhn.Waehlen();
    EXPECT_EQ(Senden("QelHöheDhhn", BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(Senden("QelHöheEllips", BM_GETCHECK), BST_UNCHECKED);
    Senden("QelHöheDhhn", BM_CLICK); // ein Klick auf das gewählte Feld hebt es nicht auf
    EXPECT_EQ(Senden("QelHöheDhhn", BM_GETCHECK), BST_CHECKED);

    form.Referenzpunkte.Hinzufuegen(u"ref & co");
    form.Referenzpunkte.SetzeAuswahl(0);
    EXPECT_EQ(Senden("Referenzpunkte", LB_GETCURSEL), 0);
    form.Referenzpunkte.Leeren();
    EXPECT_EQ(Senden("Referenzpunkte", LB_GETCOUNT), 0);

    form.Label7.SetzeCaption(u"A & B");
    EXPECT_EQ(Fenstertext(H("Label7")), L"A & B");
    form.ResetRINEX.SetzeCaption(u"A & B");
    EXPECT_EQ(Fenstertext(H("ResetRINEX")), L"A && B"); // kein Tastenkürzel
    form.ResetRINEX.SetzeAktiviert(false);
    EXPECT_FALSE(IsWindowEnabled(H("ResetRINEX")));
    form.cmdBerechnen.SetzeSichtbar(false);
    EXPECT_FALSE(IsWindowVisible(H("cmdBerechnen")));

    form.RegisterkarteKestrav.SetzeReiter(1);
    EXPECT_EQ(Senden("RegisterkarteKestrav", TCM_GETCURSEL), 1);
    EXPECT_TRUE(IsWindowVisible(H("Frame1")));

    form.ProgressBar.SetzeMaximum(7);
    form.ProgressBar.SetzeWert(3);
    EXPECT_EQ(Senden("ProgressBar", PBM_GETPOS), 3);
    EXPECT_EQ(Senden("ProgressBar", PBM_GETRANGE, FALSE), 7);

    form.PDOP.SetzeTooltip(u"Tipp");
    wchar_t tipp[80] = {};
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = GetParent(H("PDOP"));
    info.uId = reinterpret_cast<UINT_PTR>(H("PDOP"));
    info.lpszText = tipp;
    SendMessageW(fenster->Binder().Tooltips(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(tipp, L"Tipp");
}

TEST_F(Win32Fenster, MenueZeitgeberUndSchliessen) {
    HMENU leiste = GetMenu(fenster->Handle());
    ASSERT_EQ(GetMenuItemCount(leiste), 4);
    form.Info.beiKlick = [&] { ++regeln; };
    SendMessageW(fenster->Handle(), WM_COMMAND, GetMenuItemID(leiste, 2), 0);
    EXPECT_EQ(regeln, 1);
    form.QelHilfeMenü.SetzeSichtbar(false);
    EXPECT_EQ(GetMenuItemCount(GetMenu(fenster->Handle())), 3);

    int ticks = 0;
    form.TimerAbbruch.beiTick = [&] { ++ticks; };
    form.TimerAbbruch.SetzeIntervall(20);
    form.TimerAbbruch.SetzeAktiviert(true);
    Win32Ereignisschleife ereignisse;
    for (int i = 0; i < 30 && ticks == 0; ++i) {
        ereignisse.Schlafen(10);
        ereignisse.Ereignisse();
    }
    EXPECT_GT(ticks, 0);

    form.fenster.beiSchliesswunsch = [] { return true; };
    SendMessageW(fenster->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.fenster.Angezeigt());
    form.fenster.beiSchliesswunsch = [] { return false; };
    SendMessageW(fenster->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.fenster.Angezeigt());
    EXPECT_FALSE(IsWindowVisible(fenster->Handle()));
    // Das Ende des Hauptfensters ist das Ende der Schleife, auch aus einem DoEvents heraus.
    ereignisse.Ereignisse();
    MSG nachricht;
    EXPECT_TRUE(PeekMessageW(&nachricht, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(Win32Fenster, InnenmasseInTwipsMitDerAufloesung) {
    form.bitteWarten.fenster.Zeigen();
    RECT innen;
    GetClientRect(fenster->BitteWarten(), &innen);
    const double dpi = GetDpiForWindow(fenster->BitteWarten());
    EXPECT_EQ(innen.right, PixelAusTwips(4725, dpi));
    EXPECT_EQ(innen.bottom, PixelAusTwips(3135, dpi));
    // Eine Größenänderung von außen kommt ins Modell.
    SetWindowPos(fenster->BitteWarten(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(fenster->BitteWarten(), &innen);
    EXPECT_EQ(form.bitteWarten.fenster.BreiteTwips(), TwipsAusPixel(innen.right, dpi));
}
