#include "shared/forms.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "core/startup.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "platform/ui/bmp.h"
#include "platform/ui/canvas.h"
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/form14.h"
#include "shared/form20.h"
#include "shared/form5.h"
#include "shared/sound_glue.h"
#include "shared/transparent_button.h"

std::string strona_pomocy;

TForm5* Form5 = nullptr;
TForm14* Form14 = nullptr;
TForm20* Form20 = nullptr;
TForm24* Form24 = nullptr;
TForm29* Form29 = nullptr;

namespace {

std::function<void()>& pomoc() {
    static std::function<void()> handler;
    return handler;
}

void postep_pokaz(const std::string& caption, int position) {
    if (!Form14) return;
    Form14->SetCaption(caption);
    Form14->Progress.SetPosition(position);
    Form14->show_modeless();
    // Let the window appear without running the learner's input.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Form14->repaint();
}

} // namespace

void pokaz_informacje(const std::string& text) {
    const bool bez_paskow = Form5 && Form5->MyImageList1.Count() == 0;
    if (Form20 && !Form20->in_modal() && !bez_paskow) {
        Form20->Label1.SetCaption(text);
        Form20->show_modal();
        return;
    }
    QMessageBox box(QMessageBox::Warning, "Tavolent 4.0",
                    QString::fromStdString(os::cp1250_to_utf8(text)), QMessageBox::Ok);
    box.exec();
}

void pokaz_pomoc() {
    if (pomoc()) pomoc()();
}

void ustaw_pokaz_pomoc(std::function<void()> handler) {
    pomoc() = std::move(handler);
    // F1 in any window: its help page (when it names one), then the help window.
    ui::Window::set_help_handler([](ui::Window& okno) {
        if (okno.HelpPage()) strona_pomocy = *okno.HelpPage();
        pokaz_pomoc();
    });
}

void podlacz_okna_do_core() {
    core::UiHooks& h = core::ui();
    h.info = pokaz_informacje;
    h.progress_show = postep_pokaz;
    h.progress_position = [](int position) {
        if (!Form14) return;
        Form14->Progress.SetPosition(position);
        Form14->Progress.repaint();
    };
    h.progress_hide = [] {
        if (Form14) Form14->close();
    };
    h.process_events = ui::process_events_while_waiting;
}

PolaczeniaProgramu::PolaczeniaProgramu(bool komunikaty) : komunikaty_(komunikaty) {
    if (komunikaty_) os::set_message_hook(pokaz_informacje);
    podlacz_okna_do_core();
    podlacz_dzwiek_do_core();
}

PolaczeniaProgramu::~PolaczeniaProgramu() {
    if (komunikaty_) os::set_message_hook({});
}

void pokaz_postep(const std::string& caption) {
    postep_pokaz(caption, 80);
}

QImage tlo_okna(const std::string& plik, look::Size rozmiar) {
    QImage img;
    const std::string path = sciezka_programu + plik;
    if (os::file_exists(path) && ui::try_load_bmp(path, img)) return img;
    img = QImage(rozmiar.w, rozmiar.h, QImage::Format_RGB32);
    img.fill(QColor::fromRgb(look::krem));
    return img;
}

QImage obrazek_z_kluczem(const std::string& plik) {
    QImage img;
    const std::string path = sciezka_programu + plik;
    if (!os::file_exists(path) || !ui::try_load_bmp(path, img)) return {};
    return ui::keyed_image(img, 0xFF000000u | look::klucz_przezroczysty);
}

void ustaw_obrazek(ui::Image& image, const look::Rect& r, const std::string& plik,
                   const std::string& hint, std::function<void()> klik) {
    umiesc(image, r);
    image.SetPictureSource([plik] { return obrazek_z_kluczem(plik); });
    if (!hint.empty()) image.SetHint(hint);
    image.OnClick = std::move(klik);
    ui::hand_cursor(&image);
}

ui::Font czcionka_arial(int pixels, bool bold, uint32_t rgb) {
    ui::Font f = czcionka_komunikatu();
    f.face = "Arial";
    f.pixels = pixels;
    f.bold = bold;
    f.color = 0xFF000000u | rgb;
    return f;
}

ui::Font czcionka_komunikatu() {
    ui::Font f;
    f.face = "MS Sans Serif";
    f.pixels = 13;
    f.color = 0xFF000000u | look::tekst;
    return f;
}

void umiesc(QWidget& w, const look::Rect& r) {
    w.setGeometry(r.x, r.y, r.w, r.h);
}

void ustaw_tlo(ui::Image& image, const std::string& plik, look::Size rozmiar) {
    image.SetBounds(0, 0, rozmiar.w, rozmiar.h);
    // Read when the window first shows: creating every window at start-up stays cheap.
    image.SetPictureSource([plik, rozmiar] { return tlo_okna(plik, rozmiar); });
}

void ustaw_obrazek(ui::Image& image, const look::Rect& r, const std::string& plik,
                   std::function<void()> klik) {
    umiesc(image, r);
    image.SetPictureSource([plik, r] {
        return ui::keyed_image(tlo_okna(plik, {r.w, r.h}), 0xFF000000u | look::klucz_przezroczysty);
    });
    if (!klik) return;
    image.OnClick = std::move(klik);
    ui::hand_cursor(&image);
}

void ustaw_komunikat(ui::Label& label, const look::Rect& r) {
    umiesc(label, r);
    label.SetFont(czcionka_komunikatu());
    label.SetWordWrap(true);
    label.SetTransparent(true);
}

void ustaw_przycisk(TTransparentButton& b, const look::Rect& r, std::function<void()> klik) {
    umiesc(b, r);
    b.OnClick = std::move(klik);
    ui::hand_cursor(&b);
}
