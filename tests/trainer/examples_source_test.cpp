// The examples of a word: the sentences linked to it, each once, and the
// examples window's text with a sound icon for those with a recording.
#include <gtest/gtest.h>

#include "core/items.h"
#include "core/text.h"
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
    EXPECT_EQ(tekst_przykladow(z, 3), "#S=" + liczba_z_zerami(5, z1) +
                                          "# A ^big</i> house. ^(Duży dom.)</i>@"
                                          "My house. ^(Mój dom.)</i>@");
    EXPECT_EQ(tekst_przykladow(z, 1).find("My house"), std::string::npos);
    EXPECT_TRUE(Znajdz_przyklady(0).empty());
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
