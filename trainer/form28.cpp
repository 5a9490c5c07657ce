#include "trainer/form28.h"

#include <QApplication>
#include <exception>

#include "htmlview/ascii.h"

#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "shared/forms.h"
#include "trainer/form28_geometry.h"

namespace {

// A viewer's message: English text naming a page or picture by its path.
void pokaz_blad(const std::exception& e) {
    os::show_message(os::path_text(e.what()));
}

constexpr const char* kSpis = "h_00_pomoc.html";

std::string folder_pomocy() {
    return os::resolve(sciezka_programu + "htm_sk/");
}

bool jest_spisem(const std::string& plik) {
    return htmlview::LowerCase(plik).find(kSpis) != std::string::npos;
}

} // namespace

TForm28::TForm28()
    : ui::Window(look::okno_pomocy.w, look::okno_pomocy.h), Image1(this), HtmlPane1(this),
      K_Wroc(this, Pasek::podr_back2), K_Drukuj(this, Pasek::podr_druk2),
      btn_spis(this, Pasek::podr_spis2), L_menu(this) {
    SetCaption("Pomoc");
    ustaw_tlo(Image1, "gfx_s\\pomoc.bmp", look::okno_pomocy);

    umiesc(HtmlPane1, look::form28_HtmlPane1);
    HtmlPane1.SetBorderStyle(htmlview::THTMLBorderStyle::htNone);
    HtmlPane1.SetScrollBars(htmlview::TScrollStyle::ssVertical);
    HtmlPane1.SetNoSelect(true);
    HtmlPane1.SetDefBackground(ui::rgb_ref(255, 255, 255));
    HtmlPane1.DefFontName() = "Times New Roman";
    HtmlPane1.CharSet() = 238;
    HtmlPane1.DefFontColor() = ui::rgb_ref(0, 0, 0);
    HtmlPane1.SetHistoryMaxCount(1000);
    HtmlPane1.OnHotSpotClick = [this](const std::string& url, bool& handled) {
        HtmlPane1HotSpotClick(url, handled);
    };
    HtmlPane1.OnHistoryChange = [this] { uaktualnij_spis(); };

    ustaw_przycisk(K_Wroc, look::form28_K_Wroc, [this] { K_WrocClick(); });
    ustaw_przycisk(btn_spis, look::form28_btn_spis, [this] { btn_spisClick(); });
    ustaw_przycisk(K_Drukuj, look::form28_K_Drukuj, [this] { K_DrukujClick(); });
    K_Wroc.SetHint(os::pl("Wróć do poprzedniej strony"));
    btn_spis.SetHint(os::pl("Spis treści pomocy"));
    K_Drukuj.SetHint(os::pl("Drukuj stronę"));

    umiesc(L_menu, look::form28_L_menu);
    L_menu.SetFont(czcionka_arial(15, true, 0xFFFFFF));
    L_menu.SetTransparent(true);
    L_menu.SetAlignment(Qt::AlignHCenter);
    L_menu.SetLayout(Qt::AlignVCenter);
    L_menu.SetCaption(os::pl("Menu"));
    L_menu.OnClick = [this] { close(); };
    ui::hand_cursor(&L_menu);
    SetCancelButton(&L_menu);
}

std::string TForm28::spis_tresci() {
    return folder_pomocy() + kSpis;
}

void TForm28::OnShow() {
    std::string plik = strona_pomocy, kotwica;
    if (const size_t hash = plik.find('#'); hash != std::string::npos) {
        kotwica = plik.substr(hash);
        plik.resize(hash);
    }
    const std::string pelna = folder_pomocy() + plik;
    if (!plik.empty() && os::file_exists(pelna))
        pokaz(os::resolve(pelna) + kotwica);
    else
        pokaz(spis_tresci());
    powroty_.start(HtmlPane1.CurrentFile(), HtmlPane1.Position());
    uaktualnij_spis();
    HtmlPane1.setFocus();
}

void TForm28::pokaz(const std::string& strona) {
    try {
        HtmlPane1.LoadFromFile(strona);
        return;
    } catch (const std::exception& e) {
        pokaz_blad(e);
    }
    if (jest_spisem(strona)) return;
    try {
        HtmlPane1.LoadFromFile(spis_tresci());
    } catch (const std::exception& e) {
        pokaz_blad(e);
    }
}

void TForm28::HtmlPane1HotSpotClick(const std::string& url, bool& handled) {
    handled = true;
    const std::string stary = HtmlPane1.CurrentFile();
    const int64_t stara_pozycja = HtmlPane1.Position();
    try {
        HtmlPane1.FollowUrl(url);
    } catch (const std::exception& e) {
        // A page the link names that cannot be shown: the contents instead.
        pokaz_blad(e);
        pokaz(spis_tresci());
    }
    // Links the viewer leaves alone (other programs' addresses, unknown
    // kinds of file) leave no place on the way back.
    if (HtmlPane1.CurrentFile() != stary || HtmlPane1.Position() != stara_pozycja)
        powroty_.dalej(stara_pozycja, HtmlPane1.CurrentFile(), HtmlPane1.Position());
    uaktualnij_spis();
}

void TForm28::K_WrocClick() {
    const MiejscePomocy* m = powroty_.wstecz();
    if (!m) {
        close();
        return;
    }
    const MiejscePomocy miejsce = *m;
    try {
        // The page comes back as it was left: its place and its forms' values.
        HtmlPane1.LoadFromHistory(miejsce.strona, miejsce.pozycja);
    } catch (const std::exception& e) {
        pokaz_blad(e);
        pokaz(spis_tresci());
    }
    uaktualnij_spis();
}

void TForm28::btn_spisClick() {
    const int64_t stara_pozycja = HtmlPane1.Position();
    pokaz(spis_tresci());
    powroty_.dalej(stara_pozycja, HtmlPane1.CurrentFile(), 0);
    uaktualnij_spis();
}

void TForm28::K_DrukujClick() {
    htmlview::PrintOutcome wynik;
    try {
        HtmlPane1.Print(1, 999, &wynik);
    } catch (const std::exception& e) {
        pokaz_blad(e);
        return;
    }
    if (!wynik.error.empty()) {
        os::show_message(os::pl("Nie udało się wydrukować strony: ") + wynik.error);
    } else if (wynik.done && !wynik.to_printer) {
        // No printer: the page went into a PDF file; the learner is told where.
        os::show_message(os::pl("Brak drukarki. Stronę zapisano w pliku: ") +
                         os::path_text(wynik.where));
    }
}

void TForm28::uaktualnij_spis() {
    btn_spis.setVisible(!jest_spisem(HtmlPane1.CurrentFile()));
}

bool TForm28::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
    // Help does not open help again.
    if (key == Qt::Key_F1) return true;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: {
        // The page scrolls whatever holds the focus.
        QWidget* f = QApplication::focusWidget();
        if (f && (f == &HtmlPane1 || HtmlPane1.isAncestorOf(f))) return false;
        HtmlPane1.KeyDown(key, mods);
        return true;
    }
    default: return false;
    }
}
