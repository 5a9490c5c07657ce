// The dictionary on the German and the French demo edition: a word searched
// as a learner types it (accented letters with the Ctrl keys), its row
// clicked, its example sentences (the German ones found through the word's
// links too); the windows grabbed.
#include <gtest/gtest.h>

#include "core/startup.h"
#include "dictionary_run.h"
#include "platform/os/codepage.h"
#include "shared/forms.h"
#include "support/typing.h"

namespace {

// What a label shows, in its font's character set.
std::string shown(const ui::Label& l) {
    return os::to_utf8(l.Caption(), l.GetFont().charset);
}

class EditionDictionary : public testsupport::DictionaryRun {
  protected:
    using DictionaryRun::DictionaryRun;

    // Types the word into the search window key by key and confirms it;
    // `before_confirming` sees the window before the word is confirmed.
    static void search_typed(TFrmSlownik& f, const std::string& utf8, const int charset,
                             const std::function<void()>& before_confirming = {}) {
        next_modal([=](ui::Window&) {
            const std::string bytes = os::from_utf8(utf8, charset);
            testsupport::type_with_keys(&Form23->Edit1, bytes);
            EXPECT_EQ(Form23->Edit1.Text(), bytes);
            if (before_confirming) before_confirming();
            Form23->B_OKClick();
        });
        f.K_SzukajClick();
    }
};

class GermanDictionary : public EditionDictionary {
  protected:
    GermanDictionary() : EditionDictionary("de") {}
};

class FrenchDictionary : public EditionDictionary {
  protected:
    FrenchDictionary() : EditionDictionary("fr") {}
};

TEST_F(GermanDictionary, ANounWithItsExamplesFoundThroughItsLinks) {
    std::string przyklady;
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  EXPECT_EQ(f.Caption(), os::pl("Lexarin - słownik niemiecki"));
                  search_typed(f, "Löffel", 238);
                  EXPECT_EQ(rows(f), std::vector<std::string>{os::pl("der Löffel")});
                  EXPECT_EQ(shown(*f.L[0]), "der Löffel");
                  EXPECT_EQ(shown(*f.P[0]), "łyżka");
                  testsupport::click(f.P[0].get());
                  EXPECT_EQ(shown(f.L_Opis), "Rzeczownik - Grupa: Jedzenie i picie");
                  // No sentence holds the word itself: the button is there
                  // for the sentence linked to it.
                  ASSERT_TRUE(f.k_zdania.Visible());
                  testsupport::wait_ms(50);
                  EXPECT_TRUE(ui::grab_to_png(
                      f, testsupport::output_path("trainer/edition_de_dictionary.png")));
                  next_modal([&](ui::Window& w) {
                      przyklady = os::cp1250_to_utf8(InformacjaForm->Label1.Caption());
                      testsupport::key_click(&w, Qt::Key_Escape);
                  });
                  f.k_zdaniaClick();
              }),
              0);
    ASSERT_EQ(grane.size(), 1u);
    EXPECT_NE(grane[0].find("01037.wav"), std::string::npos) << grane[0];
    EXPECT_NE(przyklady.find("essen die Suppe mit"), std::string::npos) << przyklady;
    EXPECT_NE(przyklady.find("(łyżkami)"), std::string::npos) << przyklady;
}

TEST_F(FrenchDictionary, AWordWithAnAccentTypedWithTheCtrlKeys) {
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  EXPECT_EQ(f.Caption(), os::pl("Lexarin - słownik francuski"));
                  // The search box shows the Polish set until its French box
                  // is ticked; the typed byte stays what it was.
                  std::string unticked, ticked;
                  search_typed(f, "fenêtre", 0, [&] {
                      unticked = Form23->Edit1.text().toStdString();
                      testsupport::click(&Form23->CheckBox1);
                      ticked = Form23->Edit1.text().toStdString();
                  });
                  EXPECT_EQ(unticked, "fenętre");
                  EXPECT_EQ(ticked, "fenêtre");
                  ASSERT_EQ(rows(f).size(), 1u);
                  // The count line quotes the word in its own set.
                  EXPECT_EQ(f.L_Ile_wybrano.Text().toStdString(),
                            "Słowo \"fenêtre\" wystąpiło 1 raz.");
                  // The foreign column in the western character set, the
                  // Polish one in the Polish set.
                  EXPECT_EQ(shown(*f.L[0]), "la fenêtre");
                  EXPECT_EQ(shown(*f.P[0]), "okno");
                  testsupport::click(f.P[0].get());
                  testsupport::wait_ms(50);
                  EXPECT_TRUE(ui::grab_to_png(
                      f, testsupport::output_path("trainer/edition_fr_dictionary.png")));
              }),
              0);
    ASSERT_EQ(grane.size(), 1u);
    EXPECT_NE(grane[0].find("01006.wav"), std::string::npos) << grane[0];
}

} // namespace
