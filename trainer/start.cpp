#include "trainer/start.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <ctime>
#include <exception>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "platform/os/instance_lock.h"
#include "platform/os/message.h"
#include "platform/ui/bmp.h"
#include "platform/ui/fonts.h"
#include "shared/do_zamkniecia.h"
#include "shared/forms.h"
#include "trainer/przerywnik.h"
#include "trainer/windows.h"
#include "trainer_logic/interludes.h"

SprawdzenieEkranu sprawdz_ekran(int szerokosc, int wysokosc, double dpi) {
    SprawdzenieEkranu s;
    s.ostrzezenie_dpi = std::lround(dpi) != 96;
    // Only a screen below both limits is refused.
    s.za_maly = szerokosc < 800 && wysokosc < 600;
    return s;
}

namespace {

// SIGTERM and SIGHUP (a logout, kill) end the program as closing the main
// window does, with its save. The handler only writes a byte to a pipe; the
// event loop reads it and closes the windows from there, the open modal ones
// first, one a turn, so each returns to the code that opened it.
class KoniecNaSygnal {
  public:
    KoniecNaSygnal() {
        if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
        fd_zapisu = pipe_[1];
        struct sigaction sa = {};
        sa.sa_handler = &KoniecNaSygnal::obsluga;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &sa, &stary_term_);
        sigaction(SIGHUP, &sa, &stary_hup_);
        notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { odebrany(); });
        QObject::connect(&zamykanie_, &QTimer::timeout, [] { zamknij_nastepne(); });
    }
    ~KoniecNaSygnal() {
        if (!notifier_) return;
        sigaction(SIGTERM, &stary_term_, nullptr);
        sigaction(SIGHUP, &stary_hup_, nullptr);
        fd_zapisu = -1;
        notifier_.reset();
        ::close(pipe_[0]);
        ::close(pipe_[1]);
    }
    KoniecNaSygnal(const KoniecNaSygnal&) = delete;
    KoniecNaSygnal& operator=(const KoniecNaSygnal&) = delete;

  private:
    static void obsluga(int) {
        const int zachowany = errno;
        const char c = 's';
        if (fd_zapisu >= 0) {
            const ssize_t n = ::write(fd_zapisu, &c, 1);
            (void)n; // a full pipe already holds the news
        }
        errno = zachowany;
    }

    void odebrany() {
        char buf[16];
        while (::read(pipe_[0], buf, sizeof buf) > 0) {
        }
        os::request_terminate();
        zamykanie_.start(10);
    }

    // One window a turn: the topmost modal one, else the main window, whose
    // close saves. Before the login there is only the user choice to close.
    static void zamknij_nastepne() {
        if (QWidget* modalne = QApplication::activeModalWidget()) {
            modalne->close();
            return;
        }
        if (Form1 && Form1->isVisible()) Form1->close();
    }

    static inline volatile sig_atomic_t fd_zapisu = -1;
    int pipe_[2] = {-1, -1};
    struct sigaction stary_term_ = {};
    struct sigaction stary_hup_ = {};
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer zamykanie_;
};

} // namespace

int przesun_dzien(const char* wartosc) {
    if (!wartosc) return 0;
    const int dni = StrToIntDef(Trim(wartosc), 0);
    if (dni == 0 || dni < -36500 || dni > 36500) return 0;
    os::set_clock([dni] {
        timespec ts;
        ::clock_gettime(CLOCK_REALTIME, &ts);
        return os::serial_of_unix_time(ts.tv_sec) + dni;
    });
    return dni;
}

int uruchom_trenera(int argc, char** argv, const OpcjeStartu& opcje) {
    if (!os::acquire_single_instance(opcje.token)) return 0;

    const std::vector<std::string>& bez_czcionek = ui::pin_fonts();
    std::unique_ptr<QApplication> app;
    if (!qApp) app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName("Tavolent 4.0");
    QApplication::setQuitOnLastWindowClosed(false);
    os::clear_terminate_request();
    // A start begins the interlude rotation afresh, as a new process would.
    wyczysc_stan_przerywnikow();

    PolaczeniaProgramu polaczenia(opcje.okna_komunikatow);

    KoniecNaSygnal sygnaly;
    ZestawOkien okna;
    try {
        utworz_okna_trenera(okna);
    } catch (const os::Halt& h) {
        // A fatal start-up condition, already shown: the windows made so far
        // go with `okna`.
        return h.code;
    } catch (const std::exception& e) {
        // A run-time error of the start-up (a malformed edition or group file).
        os::show_message(e.what());
        return 1;
    }
    ustaw_pokaz_pomoc([] {
        if (Form28) Form28->show_modal();
    });
    TForm4::ustaw_przerywnik(Przerywnik);
    if (!bez_czcionek.empty()) os::show_message(os::pl(ui::missing_fonts_message(bez_czcionek)));
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
