#include "dictionary/start.h"

#include <QApplication>
#include <exception>
#include <memory>

#include "dictionary/windows.h"
#include "platform/os/codepage.h"
#include "platform/os/instance_lock.h"
#include "platform/os/message.h"
#include "platform/ui/fonts.h"
#include "shared/do_zamkniecia.h"
#include "shared/forms.h"

int uruchom_slownik(int argc, char** argv, const OpcjeSlownika& opcje) {
    // Before anything is loaded or shown: a second dictionary ends here.
    if (!os::acquire_single_instance(opcje.token)) return 0;

    const std::vector<std::string>& bez_czcionek = ui::pin_fonts();
    std::unique_ptr<QApplication> app;
    if (!qApp) app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8("Tavolent - Słownik"));
    QApplication::setQuitOnLastWindowClosed(false);
    os::clear_terminate_request();

    PolaczeniaProgramu polaczenia(opcje.okna_komunikatow);
    // There is no help window here: F1 only forgets the page asked for.
    ui::Window::set_help_handler([](ui::Window&) { strona_pomocy.clear(); });

    ZestawOkien okna;
    try {
        utworz_okna_slownika(okna);
    } catch (const os::Halt& h) {
        return h.code;
    } catch (const std::exception& e) {
        os::show_message(e.what());
        return 1;
    }
    if (!bez_czcionek.empty()) os::show_message(os::pl(ui::missing_fonts_message(bez_czcionek)));
    if (os::terminate_requested()) return 0;

    if (opcje.po_pokazaniu) {
        QMetaObject::invokeMethod(
            FrmSlownik, [&opcje] { opcje.po_pokazaniu(*FrmSlownik); }, Qt::QueuedConnection);
    }
    DoZamkniecia petla(*FrmSlownik);
    FrmSlownik->show_modeless();
    if (!petla.exec()) FrmSlownik->close();
    return 0;
}
