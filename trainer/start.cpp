#include "trainer/start.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <cmath>
#include <exception>
#include <memory>
#include <utility>
#include <vector>

#include "platform/os/codepage.h"
#include "platform/os/instance_lock.h"
#include "platform/os/message.h"
#include "platform/ui/bmp.h"
#include "shared/form10.h"
#include "shared/form14.h"
#include "shared/form20.h"
#include "shared/form24.h"
#include "shared/form29.h"
#include "shared/form5.h"
#include "shared/form9.h"
#include "shared/forms.h"
#include "shared/sound_glue.h"
#include "trainer/form1.h"
#include "trainer/form4.h"
#include "trainer/form22.h"
#include "trainer/shells.h"

SprawdzenieEkranu sprawdz_ekran(int szerokosc, int wysokosc, double dpi) {
    SprawdzenieEkranu s;
    s.ostrzezenie_dpi = std::lround(dpi) != 96;
    // Only a screen below both limits is refused.
    s.za_maly = szerokosc < 800 && wysokosc < 600;
    return s;
}

namespace {

// The windows in their order of creation, deleted in reverse at the end.
class Okna {
  public:
    template <class T, class... Arg> T* utworz(T*& wskaznik, Arg&&... arg) {
        wskaznik = new T(std::forward<Arg>(arg)...);
        okna_.push_back([&wskaznik] {
            delete wskaznik;
            wskaznik = nullptr;
        });
        return wskaznik;
    }
    ~Okna() {
        for (auto it = okna_.rbegin(); it != okna_.rend(); ++it)
            (*it)();
    }

  private:
    std::vector<std::function<void()>> okna_;
};

// Runs the events until the main window closes. The main window is not modal,
// so the windows it shows without waiting take input beside it.
class DoZamkniecia : public QObject {
  public:
    explicit DoZamkniecia(QWidget& okno) : okno_(okno) { okno_.installEventFilter(this); }
    ~DoZamkniecia() override { okno_.removeEventFilter(this); }
    // True when the window was closed (not only hidden) before the loop ended.
    bool exec() {
        if (okno_.isVisible()) petla_.exec();
        return zamkniete_;
    }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o != &okno_) return false;
        if (e->type() == QEvent::Close) zamkniete_ = true;
        // A minimised window is hidden by the window system: that is no end.
        if (e->type() == QEvent::Hide && !e->spontaneous()) petla_.exit(0);
        return false;
    }

  private:
    QWidget& okno_;
    QEventLoop petla_;
    bool zamkniete_ = false;
};

void utworz_okna(Okna& o) {
    o.utworz(Form1); // its creation runs the data start-up
    o.utworz(Form20);
    o.utworz(Form9);
    o.utworz(Form2);
    o.utworz(Form4);
    try {
        o.utworz(Form5);
    } catch (const std::exception& e) {
        // The strips could not all be loaded: buttons without a strip paint
        // nothing; the holder still plays the sounds.
        o.utworz(Form5, std::vector<std::string>{});
        os::show_message(e.what());
    }
    o.utworz(Form6);
    o.utworz(Form7);
    o.utworz(Form8);
    o.utworz(Form10);
    o.utworz(Form11);
    o.utworz(Form12);
    o.utworz(Form13);
    o.utworz(Form14);
    o.utworz(Form15);
    o.utworz(Form16);
    o.utworz(Form17);
    o.utworz(Form18);
    o.utworz(Form19);
    o.utworz(Form21);
    o.utworz(Form22);
    o.utworz(Form23);
    o.utworz(Form24);
    o.utworz(Form25);
    o.utworz(Form26);
    o.utworz(Form27);
    o.utworz(Form28);
    o.utworz(Form29);
    o.utworz(Form30);
    o.utworz(WyborZdanForm);
    o.utworz(Form3);
    o.utworz(InformacjaForm);
    o.utworz(Form31);
}

} // namespace

int uruchom_trenera(int argc, char** argv, const OpcjeStartu& opcje) {
    if (!os::acquire_single_instance(opcje.token)) return 0;

    std::unique_ptr<QApplication> app;
    if (!qApp) app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName("Tavolent 4.0");
    QApplication::setQuitOnLastWindowClosed(false);
    os::clear_terminate_request();

    // The hook refers to the windows and the application: gone with them.
    struct Komunikaty {
        bool wlasne;
        ~Komunikaty() {
            if (wlasne) os::set_message_hook({});
        }
    } komunikaty{opcje.okna_komunikatow};
    if (komunikaty.wlasne) os::set_message_hook(pokaz_informacje);
    podlacz_okna_do_core();
    podlacz_dzwiek_do_core();

    Okna okna;
    try {
        utworz_okna(okna);
    } catch (const std::exception& e) {
        // A run-time error of the start-up (a malformed edition or group file).
        os::show_message(e.what());
        return 1;
    }
    ustaw_pokaz_pomoc([] {
        if (Form28) Form28->show_modal();
    });
    // A termination asked for during start-up ends the program here.
    if (os::terminate_requested()) return 0;

    if (QScreen* ekran = QGuiApplication::primaryScreen()) {
        const SprawdzenieEkranu s = sprawdz_ekran(ekran->size().width(), ekran->size().height(),
                                                  ekran->logicalDotsPerInch());
        if (s.ostrzezenie_dpi)
            os::show_message(os::pl("Zalecamy aby czcionka w systemie była ustawiona jako: "
                                    "\"Mała czcionka\" (96 dpi). Niektóre elementy programu "
                                    "mogą wyświetlać się niepoprawnie."));
        if (s.za_maly) {
            os::show_message(
                os::pl("Program należy uruchamiać w rozdzielczości 800x600 punktów lub większej."));
            return 0;
        }
    }

    Form22->pokaz();
    // Only a login goes on to the main window; the exit button, Esc or a
    // close by the window manager end the program.
    if (Form9->show_modal() != 1 || os::terminate_requested()) return 0;

    if (opcje.po_pokazaniu) {
        QMetaObject::invokeMethod(
            Form1, [&opcje] { opcje.po_pokazaniu(*Form1); }, Qt::QueuedConnection);
    }
    DoZamkniecia petla(*Form1);
    Form1->show_modeless();
    // Ended some other way (the application quitting): it still saves.
    if (!petla.exec()) Form1->close();
    return 0;
}
