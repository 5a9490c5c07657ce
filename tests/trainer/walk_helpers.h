#pragma once
// Helpers of the tests that walk through the trainer as a learner: finding and
// picking an exercise in the chooser, and a microphone whose recordings last
// as long as the test says.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/sound.h"
#include "core/statistics.h"
#include "platform/ui/sound_file.h"
#include "platform_ui/qt_app.h"
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
