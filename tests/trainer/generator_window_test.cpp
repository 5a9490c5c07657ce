// The generator and its dialogs on the demo edition: the word editor's OK,
// the recording picker, the exercise parameters, a grid with nothing found,
// and a learner's whole way (own word with a recording, search, a 20-item
// exercise saved, a restart) through the running trainer.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "core/exercises.h"
#include "core/items.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/sound.h"
#include "core/statistics.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "learner_fixture.h"
#include "platform/os/codepage.h"
#include "platform/os/paths.h"
#include "platform_ui/qt_app.h"
#include "shared/form23.h"
#include "shared/form29.h"
#include "shared/form5.h"
#include "shared/forms.h"
#include "shared/login.h"
#include "trainer/demo_edition.h"
#include "trainer/form1.h"
#include "trainer/trainer_run.h"
#include "trainer/walk_helpers.h"
#include "trainer/windows.h"

namespace {

using testsupport::key_click;

std::string utf8(const std::string& s) {
    return os::cp1250_to_utf8(s);
}

// The generator and the windows it opens, after a login on the demo edition.
class GeneratorWindows : public testsupport::QtFixture {
  protected:
    void SetUp() override {
        start_programu();
        ASSERT_TRUE(zaloguj(1, "Anna"));
        form5 = std::make_unique<TForm5>(); // the buttons' strips
        Form29 = new TForm29;
        Form23 = new TForm23;
        Form13 = new TForm13;
        Form15 = new TForm15;
        Form19 = new TForm19;
        Form2 = new TForm2;
        Form2->show();
    }
    void TearDown() override {
        ui::set_next_modal_hook(nullptr);
        drop(Form2);
        drop(Form19);
        drop(Form15);
        drop(Form13);
        drop(Form23);
        drop(Form29);
        form5.reset();
    }
    template <class T> static void drop(T*& w) {
        delete w;
        w = nullptr;
    }

    testsupport::DemoEdition demo;
    std::unique_ptr<TForm5> form5;
};

TEST_F(GeneratorWindows, WordEditorOkFollowsTheTextsAfterEachEdit) {
    edytowane_slowko = -1;
    testsupport::run_modal(*Form13, [&](ui::Window&) {
        TForm13& e = *Form13;
        EXPECT_FALSE(e.B_OK.Visible());
        EXPECT_FALSE(e.E_L_Mnoga.Visible()) << "the plural is for the German edition";
        EXPECT_TRUE(e.CB_dodaj_do_cw.Visible());
        EXPECT_EQ(utf8(e.Label2.Caption()), "Słówko angielskie:");
        e.E_Ang.SetFocus();
        key_click(&e.E_Ang, Qt::Key_D, Qt::NoModifier, "d");
        e.E_Pol.SetText(os::pl("pies"));
        EXPECT_TRUE(e.B_OK.Visible());
        // Backspacing the last letter hides OK at once: an empty word is never confirmed.
        key_click(&e.E_Ang, Qt::Key_Backspace);
        EXPECT_EQ(e.E_Ang.Text(), "");
        EXPECT_FALSE(e.B_OK.Visible());
        key_click(&e, Qt::Key_Return);
        EXPECT_TRUE(e.isVisible()) << "Enter does nothing while OK is hidden";
        e.E_Ang.SetText("   ");
        EXPECT_FALSE(e.B_OK.Visible()) << "blanks are no text";
        e.E_Ang.SetText("dog");
        e.E_Synonimy.SetText("hound");
        ui::grab_to_png(e, testsupport::output_path("trainer/word_editor.png"));
        key_click(&e, Qt::Key_Return);
    });
    ASSERT_GT(edytowane_slowko, 0);
    EXPECT_EQ(baza.slowo_obce[edytowane_slowko], "dog");
    EXPECT_EQ(baza.synonimy[edytowane_slowko], "hound");
    EXPECT_EQ(baza.slowo_usera[edytowane_slowko], 1);
}

TEST_F(GeneratorWindows, AWordTheStoreRefusesKeepsTheEditorOpenWithItsTexts) {
    std::vector<std::string> komunikaty;
    const auto przed = core::ui().info;
    core::ui().info = [&](const std::string& t) { komunikaty.push_back(utf8(t)); };
    const int ile = baza.ile_slow;
    baza.ile_slow = MAX_SLOW; // full
    edytowane_slowko = -1;
    bool otwarte = false;
    testsupport::run_modal(*Form13, [&](ui::Window&) {
        TForm13& e = *Form13;
        e.E_Ang.SetText("dog");
        e.E_Pol.SetText("pies");
        key_click(&e, Qt::Key_Return);
        otwarte = e.isVisible();
        EXPECT_EQ(e.E_Ang.Text(), "dog");
        EXPECT_EQ(e.E_Pol.Text(), "pies");
        key_click(&e, Qt::Key_Escape);
    });
    baza.ile_slow = ile;
    core::ui().info = przed;
    EXPECT_TRUE(otwarte);
    ASSERT_EQ(komunikaty.size(), 1u);
    EXPECT_NE(komunikaty[0].find("baza słówek jest pełna"), std::string::npos);
    EXPECT_EQ(edytowane_slowko, 0) << "cancelled: nothing to add to the exercise";
}

TEST_F(GeneratorWindows, RecordingPickerListsNagraniaWithoutChangingTheCurrentFolder) {
    const QString before = QDir::currentPath();
    // The folder is there once, spelt as the demo has it; the wav files only.
    demo.write("Nagrania/Notes.TXT", "x");
    demo.write("Nagrania/Zebra.WAV", std::string(64, '\0'));
    edytowane_slowko = -1;
    nagranie_nowego.clear();
    testsupport::run_modal(*Form19, [&](ui::Window&) {
        TForm19& p = *Form19;
        EXPECT_FALSE(p.B_OK.Visible());
        EXPECT_FALSE(p.K_Graj.Visible());
        const auto pliki = p.FileListBox1.Items().ToVector();
        EXPECT_EQ(pliki, (std::vector<std::string>{"apple.wav", "garden.wav", "Zebra.WAV"}));
        EXPECT_NE(utf8(p.Label1.Caption()).find("Katalog z dźwiękami: "), std::string::npos);
        p.FileListBox1.SetItemIndex(1);
        p.FileListBox1Click();
        EXPECT_TRUE(p.B_OK.Visible());
        EXPECT_TRUE(p.K_Graj.Visible());
        p.K_GrajClick();
        ui::grab_to_png(p, testsupport::output_path("trainer/recording_picker.png"));
        key_click(&p, Qt::Key_Return);
    });
    EXPECT_EQ(nagranie_nowego, "garden.wav");
    EXPECT_EQ(QDir::currentPath(), before);

    // For an existing own word the choice goes to its recording at once.
    const int i = generator::dodaj({"cat", "kot", "", "", "", 1, 1, 1}, "apple.wav");
    ASSERT_GT(i, 0);
    edytowane_slowko = i;
    testsupport::run_modal(*Form19, [&](ui::Window&) {
        EXPECT_TRUE(Form19->K_Graj.Visible());
        Form19->K_Bez_nagraniaClick();
    });
    EXPECT_EQ(baza.wymowa[i], "");
    // An existing word without a recording still shows the play button.
    testsupport::run_modal(*Form19, [&](ui::Window&) {
        EXPECT_TRUE(Form19->K_Graj.Visible());
        EXPECT_FALSE(Form19->B_OK.Visible());
        Form19->K_GrajClick(); // nothing chosen: nothing to play
        key_click(Form19, Qt::Key_Escape);
    });
}

TEST_F(GeneratorWindows, TheRecordingsFolderIsFoundWithoutRegardToCase) {
    namespace fs = std::filesystem;
    fs::rename(demo.program() + "Nagrania", demo.program() + "nagrania");
    TForm19 picker; // made after the rename: it must not make a second folder
    EXPECT_FALSE(fs::exists(demo.program() + "Nagrania"));
    EXPECT_EQ(folder_nagran(), demo.program() + "nagrania/");
    edytowane_slowko = -1;
    testsupport::run_modal(picker, [&](ui::Window&) {
        EXPECT_EQ(picker.FileListBox1.Items().Count(), 2);
        key_click(&picker, Qt::Key_Escape);
    });

    // With none at all, one is made under the one spelling.
    fs::remove_all(demo.program() + "nagrania");
    TForm19 nowy;
    EXPECT_TRUE(fs::is_directory(demo.program() + "Nagrania"));
}

TEST_F(GeneratorWindows, ParametersGiveTheSaveCodeAndCancelSavesNothing) {
    testsupport::run_modal(*Form15, [&](ui::Window&) {
        TForm15& p = *Form15;
        EXPECT_FALSE(p.B_OK.Visible());
        p.E_Nazwa.SetText("Moje = ogrody i domy");
        EXPECT_EQ(p.E_Nazwa.Text().size(), 16u) << "at most 16 characters";
        EXPECT_TRUE(p.B_OK.Visible());
        p.CB_Gr_Tem.SetItemIndex(1);
        p.CB_Poziom.SetItemIndex(2);
        ui::grab_to_png(p, testsupport::output_path("trainer/exercise_parameters.png"));
        key_click(&p, Qt::Key_Return);
    });
    EXPECT_EQ(Form15->tytul(), "Moje = ogrody i");
    const auto grupy = generator::grupy_cwiczen();
    ASSERT_GE(grupy.size(), 2u);
    EXPECT_EQ(generator::kod_cwiczenia(Form15->grupa(), Form15->poziom()),
              "2" + liczba_z_zerami(2, grupy[1].numer) + "-3");

    testsupport::run_modal(*Form15, [&](ui::Window&) {
        Form15->E_Nazwa.SetText("Nie zapisuj");
        key_click(Form15, Qt::Key_Escape);
    });
    EXPECT_EQ(Form15->tytul(), "");
}

TEST_F(GeneratorWindows, WithNothingFoundTheGridActsOnNoItem) {
    TForm2& g = *Form2;
    ui::set_next_modal_hook([](ui::Window&) {
        Form23->Edit1.SetText("no such word anywhere");
        Form23->B_OKClick();
    });
    g.k_szukajClick();
    EXPECT_TRUE(g.znalezione().empty());
    EXPECT_EQ(utf8(g.L_Ile_wybrano.Caption()),
              "Słowo \"no such word anywhere\" wystąpiło 0 razy.");
    EXPECT_EQ(g.Grid1.RowCount(), 1);
    EXPECT_EQ(g.Grid1.OnGetText(0, 0), "");
    g.Grid1.SetSelection(0, 0);
    g.Grid1Click();
    EXPECT_FALSE(g.K_Kom_Usera.Visible());
    EXPECT_FALSE(g.K_Edycja.Visible());
    EXPECT_FALSE(g.K_przenies.Visible());
    key_click(&g, Qt::Key_Return);
    EXPECT_EQ(g.cwiczenie().ile(), 0);
}

TEST_F(GeneratorWindows, FilterRowsDescriptionAndRemovingFromTheExercise) {
    TForm2& g = *Form2;
    key_click(&g, Qt::Key_2, Qt::ControlModifier);
    EXPECT_TRUE(g.CB_Rodzaj.Visible());
    g.CB_Rodzaj.SetItemIndex(5); // "zdanie"
    g.K_Pokaz_slowka.Click();
    ASSERT_FALSE(g.znalezione().empty());
    for (int i : g.znalezione())
        EXPECT_EQ(baza.rodzaj[i], 5);
    EXPECT_EQ(g.L_Ile_wybrano.Caption(), IntToStr(static_cast<int>(g.znalezione().size())));

    // One row: its description; a sentence starts with its text.
    g.Grid1.SetSelection(0, 0);
    g.Grid1Click();
    const int pierwsze = g.znalezione()[0];
    EXPECT_EQ(g.L_Opis.Caption(), os::joined(generator::opis_slowka(pierwsze)));
    EXPECT_EQ(g.L_Opis.Caption().rfind(baza.slowo_obce[pierwsze], 0), 0u);
    EXPECT_TRUE(g.K_Kom_Usera.Visible());
    EXPECT_FALSE(g.K_Edycja.Visible()) << "a built-in item is not edited";
    ui::grab_to_png(g, testsupport::output_path("trainer/generator_filter.png"));

    g.Grid1.SetSelection(0, 3);
    g.Grid1Click();
    EXPECT_EQ(g.L_Opis.Caption(), "");
    key_click(&g, Qt::Key_Return);
    ASSERT_EQ(g.cwiczenie().ile(), 4);
    EXPECT_TRUE(g.K_Zapisz_cw.Visible());

    // Delete in the list drops the line without asking and keeps the place.
    g.ListBox1.SetItemIndex(1);
    key_click(&g.ListBox1, Qt::Key_Delete);
    ASSERT_EQ(g.cwiczenie().ile(), 3);
    EXPECT_EQ(g.cwiczenie().pozycje()[1], g.znalezione()[2]);
    EXPECT_EQ(g.ListBox1.ItemIndex(), 1);
    // The button asks first: no keeps, yes removes.
    for (int klawisz : {Qt::Key_Escape, Qt::Key_Return}) {
        ui::set_next_modal_hook([klawisz](ui::Window& box) { key_click(&box, klawisz); });
        g.ListBox1.SetItemIndex(0);
        g.k_usunClick();
    }
    EXPECT_EQ(g.cwiczenie().ile(), 2);
    ui::set_next_modal_hook([](ui::Window& box) { key_click(&box, Qt::Key_Return); });
    g.K_usun_allClick();
    EXPECT_EQ(g.cwiczenie().ile(), 0);
    EXPECT_FALSE(g.K_Zapisz_cw.Visible());
    EXPECT_TRUE(g.K_wczytaj.Visible());
}

TEST_F(GeneratorWindows, ClosingWritesOnlyWhatChanged) {
    TForm2& g = *Form2;
    g.hide();
    const std::string slowka = demo.read("sbusr.txt");
    // Nothing changed: Esc closes and leaves both files as they were.
    testsupport::run_modal(g, [](ui::Window& w) { key_click(&w, Qt::Key_Escape); });
    EXPECT_EQ(demo.read("sbusr.txt"), slowka);
    EXPECT_FALSE(z_generatora);

    // A comment and a deleted own word: both files are written on closing.
    testsupport::run_modal(g, [&](ui::Window& w) {
        EXPECT_TRUE(z_generatora);
        generator::ustaw_komentarz(1, "moja = uwaga");
        const auto& z = Form2->znalezione();
        const auto it = std::find_if(z.begin(), z.end(),
                                     [](int i) { return baza.slowo_usera[i] == 1; });
        ASSERT_NE(it, z.end());
        const int wiersz = static_cast<int>(it - z.begin());
        Form2->Grid1.SetSelection(wiersz, wiersz);
        const int wlasne = *it;
        ASSERT_EQ(baza.slowo_usera[wlasne], 1);
        Form2->Grid1Click();
        EXPECT_TRUE(Form2->K_Usun_Slowko.Visible());
        Form2->K_Usun_SlowkoClick();
        EXPECT_EQ(std::count(z.begin(), z.end(), wlasne), 0) << "gone from the grid at once";
        key_click(&w, Qt::Key_Escape);
    });
    EXPECT_NE(demo.read("kom_user.txt").find(IntToStr(baza.id_slowa[1]) + " = moja = uwaga"),
              std::string::npos);
    EXPECT_LT(demo.read("sbusr.txt").size(), slowka.size());
}

TEST_F(GeneratorWindows, AnEmptiedCommentIsDeletedByOk) {
    TForm27 okno;
    Form27 = &okno;
    TForm2& g = *Form2;
    // A selected row, not clicked: the comment button is hidden, Ctrl+K works all the same.
    g.Grid1.SetSelection(0, 0);
    ASSERT_FALSE(g.K_Kom_Usera.Visible());
    const int i = g.znalezione()[0];
    baza.komentarz[i] = "x#y";
    // Shown as it is stored, edited and stored back.
    bool pokazane = false;
    ui::set_next_modal_hook([&](ui::Window& w) {
        pokazane = true;
        EXPECT_EQ(okno.Edit1.Text(), "x#y");
        okno.Edit1.SetText(os::pl("mój = komentarz"));
        ui::grab_to_png(okno, testsupport::output_path("trainer/comment.png"));
        key_click(&w, Qt::Key_Return);
    });
    key_click(&g, Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(pokazane);
    EXPECT_EQ(baza.komentarz[i], os::pl("mój = komentarz"));
    // Emptied: OK shows and deletes it.
    ui::set_next_modal_hook([&](ui::Window& w) {
        okno.Edit1.SetText("  ");
        EXPECT_TRUE(okno.B_OK.Visible());
        key_click(&w, Qt::Key_Return);
    });
    g.K_Kom_UseraClick();
    EXPECT_EQ(baza.komentarz[i], "");
    EXPECT_TRUE(komentarze_zmienione);
    Form27 = nullptr;
}

TEST_F(GeneratorWindows, SavingWithoutAGroupOfExercisesIsRefused) {
    TForm2& g = *Form2;
    g.Grid1.SetSelection(0, 2);
    g.K_przeniesClick();
    ASSERT_EQ(g.cwiczenie().ile(), 3);
    for (int k = 1; k <= ile_grup; ++k)
        grupy[k].flaga = 0;
    demo.messages.clear();
    g.K_Zapisz_cwClick(); // no window may open: a hook would be left over
    ASSERT_EQ(demo.messages.size(), 1u);
    EXPECT_NE(utf8(demo.messages[0]).find("Brak grupy"), std::string::npos);
    EXPECT_FALSE(demo.exists(plik_edycji("cw?_su.txt")));
}

// The learner's way through the running trainer, twice.
TEST(GeneratorWalk, OwnWordSearchAndExerciseSurviveARestart) {
    testsupport::qt_app();
    testsupport::DemoEdition demo;
    testsupport::lay_out_learner(demo, 4, 1);
    const std::string slowo = "garden = yard";
    std::string nazwa_cw;
    std::vector<int> id_cw;

    ui::set_next_modal_hook([](ui::Window& w) { key_click(&w, Qt::Key_Return); });
    auto start = testsupport::run_trainer_once([&](TForm1& f) {
        ui::set_next_modal_hook([&](ui::Window&) {
            TForm2& g = *Form2;
            // A new word with a recording from Nagrania.
            ui::set_next_modal_hook([&](ui::Window&) {
                Form13->E_Ang.SetText(os::pl(slowo));
                Form13->E_Pol.SetText(os::pl("ogród"));
                ui::set_next_modal_hook([](ui::Window&) {
                    Form19->FileListBox1.SetItemIndex(
                        Form19->FileListBox1.Items().IndexOf("garden.wav"));
                    Form19->FileListBox1Click();
                    Form19->B_OKClick();
                });
                Form13->K_NagranieClick();
                Form13->B_OKClick();
            });
            g.K_Nowe_SlowkoClick();
            ASSERT_EQ(g.cwiczenie().ile(), 1) << "the new word goes into the exercise";

            // Found by search, with its own mark.
            ui::set_next_modal_hook([](ui::Window&) {
                Form23->Edit1.SetText("YARD");
                Form23->B_OKClick();
            });
            g.k_szukajClick();
            ASSERT_EQ(g.znalezione().size(), 1u);
            EXPECT_EQ(utf8(g.L_Ile_wybrano.Caption()), "Słowo \"YARD\" wystąpiło 1 raz.");
            EXPECT_TRUE(generator::znaczniki(g.znalezione()[0]).wlasne);

            // 19 more from the whole list: 20 in all.
            g.K_wszystkieClick();
            g.Grid1.SetSelection(0, 18);
            key_click(&g, Qt::Key_Return);
            ASSERT_EQ(g.cwiczenie().ile(), 20);
            ui::grab_to_png(g, testsupport::output_path("trainer/generator.png"));

            std::string info;
            ui::set_next_modal_hook([&info](ui::Window&) {
                Form15->E_Nazwa.SetText(os::pl("Ogród = dom"));
                // Then the message that it was saved.
                ui::set_next_modal_hook([&info](ui::Window& box) {
                    info = utf8(Form20->Label1.Caption());
                    key_click(&box, Qt::Key_Return);
                });
                Form15->B_OKClick();
            });
            g.K_Zapisz_cwClick();
            EXPECT_EQ(info, "Ćwiczenie \"Ogród = dom\" zapisano.");
            for (int i : g.cwiczenie().pozycje())
                id_cw.push_back(baza.id_slowa[i]);
            g.L_KoniecClick();
        });
        f.btn_generator.Click();
        f.close();
    });
    ASSERT_TRUE(start.main_window);
    ASSERT_EQ(id_cw.size(), 20u);

    std::vector<std::string> lines;
    ASSERT_TRUE(os::read_lines(demo.program() + "cwa_su.txt", lines) == os::ReadStatus::ok);
    ASSERT_EQ(lines.size(), 1u);
    nazwa_cw = Trim(pole_linii(lines[0], 2));
    EXPECT_EQ(nazwa_cw.rfind("2", 0), 0u);
    EXPECT_EQ(Trim(pole_linii(lines[0], 3)), os::pl("Ogród # dom"));

    // After a restart: the word with its recording, the exercise whole.
    ui::set_next_modal_hook([](ui::Window& w) { key_click(&w, Qt::Key_Return); });
    start = testsupport::run_trainer_once([&](TForm1& f) {
        int i = 0;
        for (int k = 1; k <= baza.ile_slow; ++k)
            if (baza.slowo_obce[k] == os::pl("garden # yard")) i = k;
        ASSERT_GT(i, 0);
        EXPECT_EQ(baza.slowo_usera[i], 1);
        EXPECT_GT(baza.id_slowa[i], 40003) << "after the demo's own words";
        EXPECT_EQ(generator::z_bazy(i).obce, os::pl(slowo));
        EXPECT_EQ(baza.wymowa[i], "garden.wav");
        EXPECT_EQ(sciezka_nagrania(i), sciezka_programu + "Nagrania\\garden.wav");
        czytaj_cwiczenie(nazwa_cw);
        EXPECT_EQ(std::vector<int>(lista_id.begin() + 1, lista_id.begin() + 1 + ile_w_liscie), id_cw);

        // In the generator: loaded back through the chooser, where it stands in
        // its section; copied to the clipboard; learnt.
        bool w_dziale = false, typy = false;
        std::string schowek;
        ui::set_next_modal_hook([&](ui::Window&) {
            TForm2& g = *Form2;
            ui::set_next_modal_hook([&](ui::Window&) {
                TWyborZdanForm& w = *WyborZdanForm;
                const int numer = std::stoi(nazwa_cw.substr(1, 2));
                for (size_t d = 0; d < w.dzialy().size(); ++d)
                    if (grupy[w.dzialy()[d].grupa].numer == numer)
                        w.Wybierz_dzial(static_cast<int>(d) + 1);
                if (const int k = testsupport::pozycja_paczki(w, nazwa_cw); k >= 1) {
                    w_dziale = true;
                    w.Wybierz_paczke(k);
                }
                w.B_OKClick(); // loads its list and closes: the generator asked
                if (w.isVisible()) w.close();
            });
            g.K_wczytajClick();
            std::vector<int> wczytane;
            for (int k : g.cwiczenie().pozycje())
                wczytane.push_back(baza.id_slowa[k]);
            EXPECT_EQ(wczytane, id_cw);

            ui::set_next_modal_hook([](ui::Window& box) { key_click(&box, Qt::Key_Return); });
            g.K_do_schowkaClick();
            schowek = QGuiApplication::clipboard()->text().toStdString();

            ui::set_next_modal_hook([&](ui::Window& okno) {
                typy = &okno == Form8 && !Form8->wiersze().empty();
                key_click(&okno, Qt::Key_Escape);
            });
            g.K_NaukaClick();
            g.L_KoniecClick();
        });
        f.btn_generator.Click();
        EXPECT_TRUE(w_dziale) << "the chooser lists it in its section";
        EXPECT_TRUE(typy) << "learning it opens the exercise types";
        EXPECT_EQ(schowek.rfind("garden = yard = ogród\r\n", 0), 0u);
        EXPECT_EQ(std::count(schowek.begin(), schowek.end(), '\n'), 20);
        f.close();
    });
    ASSERT_TRUE(start.main_window);
}

} // namespace
