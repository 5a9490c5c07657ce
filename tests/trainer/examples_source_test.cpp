// The examples of a word: the sentences linked to it, each once, and the
// examples window's text with a sound icon for those with a recording.
#include <gtest/gtest.h>

#include "core/items.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "shared/examples_source.h"
#include "trainer/small_store.h"

namespace {

using testsupport::Pozycja;

void polacz(int slowo_id, int zdanie_id) {
    ++ile_powiazan;
    powiazanie_slowo[ile_powiazan] = slowo_id;
    powiazanie_zdanie[ile_powiazan] = zdanie_id;
}

TEST(Przyklady, LinkedSentencesOnceEachAndTheirText) {
    testsupport::SmallStore s;
    const int dom = s.add(Pozycja(1, 1, "house", "dom"));
    s.add(Pozycja(2, 1, "cat", "kot"));
    const int z1 = s.add(Pozycja(60001, 5, "A <big> house.", "Duży dom.", 1, "", "", "", "7"));
    const int z2 = s.add(
        Pozycja(60002, 5, "My house.", "", 1, "", "", "", "", "", "Mój dom."));
    const int z3 = s.add(Pozycja(60003, 5, "No translation.", ""));
    polacz(1, 60001);
    polacz(2, 60002); // another word's
    polacz(1, 60002);
    polacz(1, 60001); // again
    polacz(1, 60003);
    polacz(1, 69999); // no such sentence

    const std::vector<int> z = Znajdz_przyklady(dom);
    ASSERT_EQ(z, (std::vector<int>{z1, z2, z3}));
    // The recording's tag, the Polish text or else the second translation;
    // a sentence with neither adds nothing.
    EXPECT_EQ(os::joined(tekst_przykladow(z, 3)), "#S=" + liczba_z_zerami(5, z1) +
                                                      "# A ^big</i> house. ^(Duży dom.)</i>@"
                                                      "My house. ^(Mój dom.)</i>@");
    EXPECT_EQ(os::joined(tekst_przykladow(z, 1)).find("My house"), std::string::npos);
    EXPECT_TRUE(Znajdz_przyklady(0).empty());
}

// The French edition: each sentence in the western set, its translation in
// the Polish one.
TEST(Przyklady, TheFrenchSentenceAndItsTranslationKeepTheirSets) {
    testsupport::SmallStore s(3);
    const std::string zdanie = os::utf8_to_cp1252("J'ouvre la <fenêtre>.");
    const int z =
        s.add(Pozycja(60001, 5, zdanie, os::pl("Otwieram okno, źle."), 1, "", "", "", "7"));
    const os::PartedText t = tekst_przykladow({z}, 1);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].charset, 0);
    EXPECT_EQ(os::to_utf8(t[0].text, 0),
              "#S=" + liczba_z_zerami(5, z) + "# J'ouvre la ^fenêtre</i>.");
    EXPECT_EQ(t[1].charset, 238);
    EXPECT_EQ(os::to_utf8(t[1].text, 238), " ^(Otwieram okno, źle.)</i>@");
}

TEST(Przyklady, AWordKeepsAtMost300) {
    testsupport::SmallStore s;
    const int dom = s.add(Pozycja(1, 1, "house", "dom"));
    for (int k = 1; k <= 310; ++k) {
        s.add(Pozycja(60000 + k, 5, "S" + std::to_string(k), "Z"));
        polacz(1, 60000 + k);
    }
    EXPECT_EQ(Znajdz_przyklady(dom).size(), static_cast<size_t>(MAX_PRZYKLADOW));
}

} // namespace
