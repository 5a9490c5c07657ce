#pragma once
// Helpers of the tests that walk through the trainer as a learner: finding and
// picking an exercise in the chooser, and a microphone whose recordings last
// as long as the test says.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/sound.h"
#include "core/statistics.h"
#include "platform/ui/sound_file.h"
#include "platform_ui/qt_app.h"
#include "core/ui_hooks.h"
#include "support/unique_token.h"
#include "trainer/demo_edition.h"
#include "trainer/form1.h"
#include "trainer/start.h"
#include "trainer/windows.h"
#include "trainer/wybor_zdan_geometry.h"

namespace testsupport {

// Position in the chooser's exercise list of the exercise named `nazwa`; 0 when absent.
inline int pozycja_paczki(const TWyborZdanForm& w, const std::string& nazwa) {
    for (size_t k = 0; k < w.paczki().size(); ++k)
        if (tab_cw_info[static_cast<size_t>(w.paczki()[k].wiersz)].nazwa == nazwa)
            return static_cast<int>(k) + 1;
    return 0;
}

// A click in the middle of screen row r of a chooser list.
inline void kliknij_wiersz(ui::PaintBox& pb, int r) {
    click(&pb, QPoint(40, (r - 1) * look::wybor_wiersz + 9));
}

// Picks the exercise named `nazwa` in the chooser's list: the first row,
// then Down until it is the chosen one.
inline void wybierz(TWyborZdanForm& w, const std::string& nazwa) {
    click(&w.pb_paczki, QPoint(40, 9));
    for (size_t k = 0; k < w.paczki().size(); ++k) {
        const int wybrana = w.lista_paczek().wybrana();
        if (wybrana >= 1 &&
            tab_cw_info[static_cast<size_t>(w.paczki()[static_cast<size_t>(wybrana - 1)].wiersz)]
                    .nazwa == nazwa)
            return;
        key_click(&w, Qt::Key_Down);
    }
    ADD_FAILURE() << "no exercise " << nazwa;
}

// Runs the trainer with `opcje` to its end; a window still open after a
// minute fails the test and is closed, so the run ends all the same.
inline int uruchom_pilnowanego(OpcjeStartu& opcje) {
    QTimer straz;
    QObject::connect(&straz, &QTimer::timeout, [] {
        ADD_FAILURE() << "a window was left open";
        for (int k = 0; k < 5; ++k)
            if (QWidget* m = QApplication::activeModalWidget()) m->close();
        if (WyborZdanForm) WyborZdanForm->close();
        if (Form1) Form1->close();
    });
    straz.start(60000);
    return uruchom_trenera(0, nullptr, opcje);
}

// The trainer on the demo copy with one user, Anna: she logs in, the first
// start's box is answered, sounds are silenced, the exercise chooser opens and
// `act` works it; then the chooser and the main window close. The exit code.
inline int w_wyborze_cwiczen(DemoEdition& demo, const std::function<void(TWyborZdanForm&)>& act) {
    demo.write("usr.t", "1=Anna\r\n");
    ui::set_next_modal_hook([](ui::Window& w) { key_click(&w, Qt::Key_Return); }); // log in
    OpcjeStartu opcje;
    opcje.token = unique_token();
    opcje.okna_komunikatow = false;
    opcje.po_pokazaniu = [&](TForm1& f) {
        ui::set_next_modal_hook([](ui::Window& box) { key_click(&box, Qt::Key_Return); });
        wait_ms(200);
        core::ui().play_wav = [](const std::string&, bool) {};
        f.btn_cwiczenia.Click();
        EXPECT_NE(WyborZdanForm, nullptr);
        if (WyborZdanForm) {
            act(*WyborZdanForm);
            WyborZdanForm->close();
        }
        f.close();
    };
    const int kod = uruchom_pilnowanego(opcje);
    ui::set_next_modal_hook(nullptr);
    return kod;
}

class Mikrofon : public core::RecorderDevice {
  public:
    int open() override { return 0; }
    int set_wave_params(int, int, int) override { return 0; }
    int record() override { return 0; }
    int save(const std::string& path) override {
        ++zapisy;
        const std::vector<uint8_t> pcm(static_cast<size_t>(22050 * dlugosc_ms / 1000), 0x80);
        return ui::sound::write_wav(path, pcm, 22050, 1, 8) ? 0 : 1;
    }
    int close() override { return 0; }
    std::string error_text(int) override { return "?"; }

    int dlugosc_ms = 1000;
    int zapisy = 0;
};

} // namespace testsupport
