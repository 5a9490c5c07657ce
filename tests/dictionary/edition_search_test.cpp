// The dictionary on the German and the French demo edition: a word searched
// as a learner types it (accented letters with the Ctrl keys), its row
// clicked, its example sentences (the German ones found through the word's
// links too); the windows grabbed.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

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
                  // The search box starts in the western set: the byte typed
                  // with the Ctrl keys shows as the French letter.
                  bool ticked = false;
                  std::string typed;
                  search_typed(f, "fenêtre", 0, [&] {
                      ticked = Form23->CheckBox1.Checked();
                      typed = Form23->Edit1.text().toStdString();
                  });
                  EXPECT_TRUE(ticked);
                  EXPECT_EQ(typed, "fenêtre");
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

// Types Unicode text as a Polish keyboard sends it: each letter its own key
// event carrying the letter.
void type_letters(QWidget* box, const std::string& utf8) {
    for (const QChar ch : QString::fromStdString(utf8))
        testsupport::key_click(box, Qt::Key_unknown, Qt::NoModifier, QString(ch));
}

// In the French edition a French word and a Polish one are searched in the
// same box: each column with the text in its own set. The French box stays
// as the learner leaves it.
TEST_F(FrenchDictionary, AFrenchAndAPolishWordFromTheSameBox) {
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  QImage okno_szukania;
                  search_typed(f, "étagère", 0, [&] {
                      EXPECT_TRUE(Form23->CheckBox1.Checked());
                      okno_szukania = Form23->grab().toImage();
                  });
                  EXPECT_EQ(rows(f), std::vector<std::string>{os::from_utf8("l'étagère", 0)});
                  EXPECT_EQ(f.L_Ile_wybrano.Text().toStdString(),
                            "Słowo \"étagère\" wystąpiło 1 raz.");
                  // The search window as the word was typed, beside the
                  // dictionary with its count line.
                  testsupport::wait_ms(50);
                  const QImage slownik = f.grab().toImage();
                  QImage obok(okno_szukania.width() + 8 + slownik.width(),
                              std::max(okno_szukania.height(), slownik.height()),
                              QImage::Format_RGB32);
                  obok.fill(Qt::white);
                  QPainter p(&obok);
                  p.drawImage(0, 0, okno_szukania);
                  p.drawImage(okno_szukania.width() + 8, 0, slownik);
                  p.end();
                  EXPECT_TRUE(obok.save(QString::fromStdString(
                      testsupport::output_path("trainer/edition_fr_dictionary_search.png"))));

                  struct Case {
                      const char* typed;
                      std::vector<std::string> rows; // UTF-8
                  } cases[] = {
                      {"łóżko", {"le lit"}},
                      {"stół", {"la table"}},
                      {"półka", {"l'étagère"}},
                      {"łazienka", {"la salle de bains"}},
                  };
                  for (const Case& c : cases) {
                      SCOPED_TRACE(c.typed);
                      bool ticked = false;
                      next_modal([&](ui::Window&) {
                          ticked = Form23->CheckBox1.Checked();
                          type_letters(&Form23->Edit1, c.typed);
                          EXPECT_EQ(Form23->Edit1.text().toStdString(), c.typed);
                          Form23->B_OKClick();
                      });
                      f.K_SzukajClick();
                      EXPECT_TRUE(ticked);
                      std::vector<std::string> got;
                      for (const std::string& r : rows(f))
                          got.push_back(os::to_utf8(r, 0));
                      EXPECT_EQ(got, c.rows);
                      EXPECT_EQ(f.L_Ile_wybrano.Text().toStdString(),
                                std::string("Słowo \"") + c.typed + "\" wystąpiło 1 raz.");
                  }

                  // Cleared by the learner, the box stays clear for the next search.
                  next_modal([](ui::Window& w) {
                      testsupport::click(&Form23->CheckBox1);
                      testsupport::key_click(&w, Qt::Key_Escape);
                  });
                  f.K_SzukajClick();
                  bool still = true;
                  next_modal([&](ui::Window& w) {
                      still = Form23->CheckBox1.Checked();
                      testsupport::key_click(&w, Qt::Key_Escape);
                  });
                  f.K_SzukajClick();
                  EXPECT_FALSE(still);
              }),
              0);
}

} // namespace
