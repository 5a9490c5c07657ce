#pragma once
// The demo edition with learner 1 logged in, the strip holder and the
// question box, for the windows of a run's closing and of the repetitions.
// Sounds played are logged, the printer is "none" and today is fixed.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/exercises.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/ui_hooks.h"
#include "platform/os/date_serial.h"
#include "platform/ui/printer.h"
#include "platform_ui/qt_app.h"
#include "shared/form29.h"
#include "shared/form5.h"
#include "shared/forms.h"
#include "shared/login.h"
#include "trainer/demo_edition.h"
#include "trainer_logic/run_plan.h"

namespace testsupport {

// A whole-day serial that the tests use as today.
constexpr double DZIS_TESTU = 45500;

class ClosingFixture : public QtFixture {
  protected:
    // `edition`: "" the English demo, "de" or "fr".
    explicit ClosingFixture(const std::string& edition = "") : demo(linked_folders, edition) {
        os::set_clock([] { return DZIS_TESTU + 0.5; });
        demo.write("usr.t", "1=Anna\r\n");
        start_programu();
        EXPECT_TRUE(zaloguj(1, "Anna"));
        core::ui().play_wav = [this](const std::string& p, bool wait) {
            dzwieki.push_back(std::filesystem::path(p).filename().string() +
                              (wait ? " (wait)" : ""));
        };
        ui::set_default_printer_lookup([] { return std::string(); });
        form5 = std::make_unique<TForm5>();
        Form29 = new TForm29;
        wyczysc_sesje();
    }
    ~ClosingFixture() override {
        delete Form29;
        Form29 = nullptr;
        form5.reset();
        wyczysc_sesje();
        ui::set_default_printer_lookup(nullptr);
        os::set_clock(nullptr);
    }

    // Index of the first item whose foreign text is `obce`.
    static int item(const std::string& obce) {
        for (int i = 1; i <= baza.ile_slow; ++i)
            if (baza.slowo_obce[i] == obce) return i;
        ADD_FAILURE() << "no item " << obce;
        return 0;
    }

    // Answers the next question box: yes or no.
    static void odpowiedz(bool tak) {
        ui::set_next_modal_hook([tak](ui::Window& w) {
            EXPECT_EQ(&w, Form29);
            key_click(&w, tak ? Qt::Key_Return : Qt::Key_Escape);
        });
    }

    std::string user(const std::string& name) const { return demo.program() + "1/" + name; }

    DemoEdition demo;
    std::vector<std::string> dzwieki;
    std::unique_ptr<TForm5> form5;
};

} // namespace testsupport
