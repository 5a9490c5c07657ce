// The dictionary program run in the test's process on the demo edition: a
// learner browses a group, searches, reads examples and sends words to a
// learner's slow.txt; the program starts without the disc, answers the
// trainer's caption signal, and keeps its search options.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <algorithm>
#include <filesystem>
#include <set>

#include "core/items.h"
#include "core/settings.h"
#include "core/sound.h"
#include "core/startup.h"
#include "dictionary/search.h"
#include "dictionary_run.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"
#include "platform/os/window_signal.h"
#include "shared/forms.h"

namespace {

using testsupport::DictionaryRun;

class Dictionary : public DictionaryRun {
  protected:
    // Clicks row j (its Polish label, as a learner would).
    static void click_row(TFrmSlownik& f, int j) { testsupport::click(f.P[j - 1].get()); }
};

TEST_F(Dictionary, BrowsesAGroupAndSearchesWithAndWithoutWholeTexts) {
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  EXPECT_EQ(f.Caption(), tytul_slownika);
                  EXPECT_EQ(f.CB_Gr_Tem.Items().Count(), 8);
                  EXPECT_EQ(f.lista().ile(), 25);
                  EXPECT_TRUE(f.Suwak.Visible());
                  EXPECT_EQ(f.Suwak.Max(), 16);
                  EXPECT_EQ(f.L[0]->Caption(), "house");
                  EXPECT_EQ(f.P[0]->Caption(), "dom");

                  // Scrolled by four, row 3 shows the seventh word.
                  f.Suwak.SetPosition(5);
                  click_row(f, 3);
                  const int i = f.lista().wybrany();
                  EXPECT_EQ(i, f.lista().pozycje()[6]);
                  EXPECT_EQ(f.L[2]->GetFont().color, 0xFF0000FFu);
                  EXPECT_EQ(f.L[3]->GetFont().color, 0xFF000000u);
                  EXPECT_TRUE(f.K_Do_Nauki.Visible());
                  EXPECT_EQ(f.L_Opis.Caption(), os::joined(opis_pozycji(i)));
                  ASSERT_EQ(grane.size(), 1u);
                  EXPECT_EQ(grane[0], os::resolve(sciezka_nagrania(i)));

                  // The second group.
                  f.CB_Gr_Tem.SetItemIndex(1);
                  f.CB_Gr_TemClick();
                  EXPECT_EQ(f.lista().wybrany(), 0);
                  EXPECT_FALSE(f.K_Do_Nauki.Visible());
                  EXPECT_EQ(baza.grupa[f.lista().pozycje()[0]], 2);
                  const int w_grupie = f.lista().ile();

                  search(f, "  house ");
                  EXPECT_FALSE(f.CB_Gr_Tem.Visible());
                  EXPECT_TRUE(f.K_Wszystkie.Visible());
                  EXPECT_EQ(rows(f), std::vector<std::string>{"house"});
                  EXPECT_TRUE(f.L_Ile_wybrano.Visible());
                  EXPECT_EQ(f.L_Ile_wybrano.Caption(), os::pl("Słowo \"house\" wystąpiło 1 raz."));
                  EXPECT_TRUE(f.k_zdania.Visible());
                  EXPECT_EQ(f.ostatnie_szukane, "house");

                  // "dom" among the Polish texts: a substring, then the whole text.
                  search(f, "dom");
                  const int ile = f.lista().ile();
                  EXPECT_GT(ile, 1);
                  f.opcje.cale = true;
                  search(f, "dom");
                  EXPECT_EQ(rows(f), std::vector<std::string>{"house"});

                  // Back to the groups.
                  f.K_WszystkieClick();
                  EXPECT_TRUE(f.CB_Gr_Tem.Visible());
                  EXPECT_FALSE(f.K_Wszystkie.Visible());
                  EXPECT_FALSE(f.L_Ile_wybrano.Visible());

                  // A search cancelled, or of blanks only, leaves the list.
                  next_modal([](ui::Window&) { Form23->B_ZamknijClick(); });
                  f.K_SzukajClick();
                  search(f, "   ");
                  EXPECT_TRUE(f.CB_Gr_Tem.Visible());
                  EXPECT_EQ(f.lista().ile(), w_grupie);
              }),
              0);
}

TEST_F(Dictionary, ShowsTheSearchedWordsExampleSentences) {
    std::string tekst;
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  search(f, "house");
                  ASSERT_TRUE(f.k_zdania.Visible());
                  click_row(f, 1);
                  next_modal([&](ui::Window& w) {
                      EXPECT_EQ(&w, InformacjaForm);
                      tekst = InformacjaForm->Label1.Caption();
                      testsupport::key_click(&w, Qt::Key_Escape);
                  });
                  f.k_zdaniaClick();
                  EXPECT_FALSE(f.K_Do_Nauki.Visible());
                  EXPECT_EQ(f.lista().wybrany(), 0);
              }),
              0);
    EXPECT_NE(tekst.find("#S="), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("a house with two bedrooms"), std::string::npos) << tekst;
}

TEST_F(Dictionary, KeysSearchAndPlayTheFirstRow) {
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  for (auto [key, mods] : {std::pair{Qt::Key_Space, Qt::NoModifier},
                                           std::pair{Qt::Key_F, Qt::ControlModifier}}) {
                      bool asked = false;
                      next_modal([&](ui::Window& w) {
                          asked = &w == Form23;
                          Form23->B_ZamknijClick();
                      });
                      testsupport::key_click(&f, key, mods);
                      EXPECT_TRUE(asked) << key;
                  }
                  testsupport::key_click(&f, Qt::Key_QuoteLeft);
                  testsupport::key_click(&f, Qt::Key_1);
                  ASSERT_EQ(grane.size(), 2u);
                  EXPECT_EQ(grane[0], os::resolve(sciezka_nagrania(f.lista().pozycje()[0])));
              }),
              0);
}

TEST_F(Dictionary, SendsTheSelectedWordToTheChosenLearnersFile) {
    demo.write("usr.t", "1=Ala\r\n2=Ola\r\n");
    int pokazany_wybor = 0;
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  click_row(f, 1);
                  next_modal([&](ui::Window& w) {
                      ++pokazany_wybor;
                      EXPECT_EQ(&w, Form9);
                      Form9->ComboBox1.SetItemIndex(0);
                      Form9->K_OKClick();
                  });
                  f.K_Do_NaukiClick();
                  click_row(f, 2);
                  f.K_Do_NaukiClick(); // the learner is known now
              }),
              0);
    EXPECT_EQ(pokazany_wybor, 1);
    EXPECT_EQ(nazwa_usera, "Ala");
    const std::vector<std::string> lines = os::read_lines(demo.program() + "1/slow.txt");
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "Tavolent 2001 S");
    EXPECT_EQ(lines[10], "1");
    EXPECT_EQ(lines[11], "2");
    EXPECT_EQ(std::count_if(grane.begin(), grane.end(),
                            [](const std::string& p) { return p.find("klik.wav") != std::string::npos; }),
              2);
    // The user choice loaded nothing of the learner's and wrote nothing else.
    std::set<std::string> pliki;
    for (const auto& e : std::filesystem::directory_iterator(demo.program() + "1"))
        pliki.insert(e.path().filename().string());
    EXPECT_EQ(pliki, (std::set<std::string>{"slow.lock", "slow.txt"}));
}

// A folder standing where the hand-off file should be is named like an
// unreadable file; it stays, and no word is sent.
TEST_F(Dictionary, AFolderInPlaceOfTheHandOffFileIsNamed) {
    demo.write("usr.t", "1=Ala\r\n");
    std::filesystem::create_directories(demo.program() + "1/slow.txt");
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  click_row(f, 1);
                  next_modal([](ui::Window&) {
                      Form9->ComboBox1.SetItemIndex(0);
                      Form9->K_OKClick();
                  });
                  f.K_Do_NaukiClick();
              }),
              0);
    EXPECT_TRUE(std::filesystem::is_directory(demo.program() + "1/slow.txt"));
    ASSERT_EQ(demo.messages.size(), 1u);
    EXPECT_NE(demo.messages[0].find(os::pl("Nie można odczytać pliku ") + demo.program() + "1/slow.txt."),
              std::string::npos)
        << demo.messages[0];
}

TEST_F(Dictionary, WithoutALearnerTheWordGoesNowhere) {
    demo.write("usr.t", "1=Ala\r\n");
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  click_row(f, 1);
                  next_modal([](ui::Window&) { Form9->B_ZamknijClick(); });
                  f.K_Do_NaukiClick();
                  EXPECT_TRUE(f.isVisible()); // the program goes on
              }),
              0);
    EXPECT_FALSE(demo.exists("slow.txt"));
    EXPECT_FALSE(demo.exists("1/slow.txt"));
    ASSERT_EQ(demo.messages.size(), 1u);
    EXPECT_NE(demo.messages[0].find(os::pl("Nie wybrano użytkownika")), std::string::npos);
}

TEST_F(Dictionary, AnEmptyRowBelowAShortListSelectsNothing) {
    demo.write("usr.t", "1=Ala\r\n");
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  search(f, "house");
                  click_row(f, 1);
                  EXPECT_TRUE(f.K_Do_Nauki.Visible());
                  click_row(f, 4);
                  EXPECT_FALSE(f.K_Do_Nauki.Visible());
                  EXPECT_EQ(f.L_Opis.Caption(), "");
                  EXPECT_EQ(f.lista().wybrany_wiersz(), -1);
                  EXPECT_EQ(f.L[0]->GetFont().color, 0xFF000000u);
              }),
              0);
    EXPECT_EQ(grane.size(), 1u);
}

TEST_F(Dictionary, StartsWithoutTheDiscWarnsAndPlaysNothing) {
    demo.write("ts40.ini", "[ts40]\r\ncd=../no-disc/\r\n");
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  EXPECT_EQ(f.lista().ile(), 25);
                  click_row(f, 1);
                  EXPECT_TRUE(f.K_Do_Nauki.Visible());
                  testsupport::key_click(&f, Qt::Key_1);
                  search(f, "house");
                  EXPECT_EQ(rows(f), std::vector<std::string>{"house"});
                  std::string tekst;
                  next_modal([&](ui::Window& w) {
                      tekst = InformacjaForm->Label1.Caption();
                      w.close();
                  });
                  f.k_zdaniaClick();
                  EXPECT_EQ(tekst.find("#S="), std::string::npos) << tekst;
              }),
              0);
    EXPECT_TRUE(grane.empty());
    ASSERT_EQ(demo.messages.size(), 1u);
    EXPECT_EQ(demo.messages[0],
              os::pl("Nie znaleziono płyty programu \"Tavolent 4.0 - Zovarozeda (CD2)\", "
                     "odsłuchiwanie nagrań dźwiękowych nie będzie możliwe."));
}

TEST_F(Dictionary, TheTrainersCaptionSignalBringsTheWindowForward) {
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  f.showMinimized();
                  testsupport::wait_ms(50);
                  ASSERT_TRUE(os::signal_window(tytul_slownika, "xxxhouse"));
                  // The caption changes, and the one-second watch answers it.
                  QElapsedTimer t;
                  t.start();
                  while ((f.isMinimized() || f.Caption() != tytul_slownika) &&
                         t.elapsed() < testsupport::watchdog_ms)
                      QApplication::processEvents(QEventLoop::AllEvents, 20);
                  EXPECT_FALSE(f.isMinimized());
                  EXPECT_TRUE(f.isVisible());
                  EXPECT_EQ(f.Caption(), tytul_slownika);
                  EXPECT_TRUE(f.Timer1.Enabled());
              }),
              0);
}

TEST_F(Dictionary, F1OnlyForgetsTheHelpPage) {
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  for (ui::Window* w : {static_cast<ui::Window*>(Form9),
                                        static_cast<ui::Window*>(Form10),
                                        static_cast<ui::Window*>(&f)}) {
                      strona_pomocy = "h_06_log.html";
                      testsupport::key_click(w, Qt::Key_F1);
                      EXPECT_EQ(strona_pomocy, "") << w->Caption();
                  }
              }),
              0);
}

TEST_F(Dictionary, SearchOptionsLastFromOneStartToTheNext) {
    EXPECT_FALSE(demo.exists("ustaw_s.txt"));
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  // No file: both columns, substrings, case distinguished.
                  EXPECT_TRUE(f.opcje.obce && f.opcje.polskie);
                  EXPECT_FALSE(f.opcje.cale || f.opcje.bez_wielkosci);
                  // Cancelled, the window still hands its boxes back.
                  next_modal([](ui::Window&) {
                      Form23->CH_Jak_cale.SetChecked(true);
                      Form23->CH_Jak_pol.SetChecked(false);
                      Form23->B_ZamknijClick();
                  });
                  f.K_SzukajClick();
                  EXPECT_TRUE(f.opcje.cale);
              }),
              0);
    EXPECT_EQ(demo.read("ustaw_s.txt"), "1\r\n0\r\n1\r\n0\r\n");
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  EXPECT_TRUE(f.opcje.obce);
                  EXPECT_FALSE(f.opcje.polskie);
                  EXPECT_TRUE(f.opcje.cale);
                  EXPECT_FALSE(f.opcje.bez_wielkosci);
              }),
              0);
}

TEST_F(Dictionary, TheDragLabelAndTheTitleButtonsShowTheHand) {
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  for (const QWidget* w : {static_cast<const QWidget*>(&f.Label1),
                                           static_cast<const QWidget*>(&f.L_Close),
                                           static_cast<const QWidget*>(&f.L_Minim)})
                      EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor)
                          << w->objectName().toStdString();
              }),
              0);
}

TEST_F(Dictionary, Grab) {
    EXPECT_EQ(run([&](TFrmSlownik& f) {
                  search(f, "room");
                  EXPECT_TRUE(f.k_zdania.Visible());
                  click_row(f, 2);
                  testsupport::wait_ms(50);
                  EXPECT_TRUE(ui::grab_to_png(f, testsupport::output_path("dictionary/dictionary.png")));
              }),
              0);
}

} // namespace
