#pragma once
// One start of the trainer inside a test: a single-instance token of its own,
// the messages left to the test's hook, `on_main` called once the main window
// shows. A window left open fails the test and is closed, so a fault cannot
// hang it. The caller sets the next-modal hook for the user choice.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/unique_token.h"
#include "support/window_guard.h"
#include "trainer/start.h"
#include "trainer/windows.h"

namespace testsupport {

struct TrainerRun {
    int code = -1;
    bool main_window = false;
};

inline TrainerRun run_trainer_once(const std::function<void(TForm1&)>& on_main,
                                   int guard_ms = 20000) {
    TrainerRun run;
    OpcjeStartu opcje;
    opcje.token = unique_token();
    opcje.okna_komunikatow = false;
    opcje.po_pokazaniu = [&](TForm1& f) {
        run.main_window = true;
        on_main(f);
    };
    const WindowGuard guard(guard_ms, []() -> QWidget* { return Form1; });
    run.code = uruchom_trenera(0, nullptr, opcje);
    ui::set_next_modal_hook(nullptr);
    return run;
}

} // namespace testsupport
