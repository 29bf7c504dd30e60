#include "platform/Muster.h"

#include <gtest/gtest.h>

#include <tuple>

// RINEX-Beobachtungsdateien, Groß-/Kleinschreibung egal; "*.*" und ".*" am Ende passen auch ohne
// Punkt.
TEST(Muster, WieUnterWindows) {
    using F = std::tuple<const char16_t*, const char16_t*, bool>;
    for (const auto& [name, muster, passt] :
         {F{u"abcd1230.12o", u"*.??O", true}, F{u"a.123o", u"*.??o", false},
          F{u"a.2o", u"*.??o", false}, F{u"VIRTUELL", u"virt*.*", true},
          F{u"xvirt.12o", u"virt*.*", false}, F{u"README", u"*.*", true},
          F{u"bericht", u"bericht.*", true}, F{u"berichte", u"bericht.*", false},
          F{u"", u"?", false}, F{u"x.bo", u"*.bo*", true}, F{u"Höhe.TXT", u"HÖHE.txt", true},
          F{u"_ergebnis_abc_sol.txt", u"_ergebnis_*_list.txt", false}})
        EXPECT_EQ(PasstZuMuster(name, muster), passt) << NachUtf8(name);
    // Rekursives Zurücksetzen bräuchte hier Ewigkeiten oder den ganzen Stapel.
    Text muster;
    for (int i = 0; i < 2000; ++i)
        muster += u"*a";
    EXPECT_FALSE(PasstZuMuster(Text(20000, u'a'), muster + u"*b"));
    EXPECT_TRUE(PasstZuMuster(Text(20000, u'a'), muster + u"*"));
}
