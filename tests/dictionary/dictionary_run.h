#pragma once
// One start of the dictionary program inside a test, on a copy of the demo
// edition: a single-instance token and a runtime folder of its own (so the
// caption signal reaches this window only), the messages and the sounds
// played collected, `act` called once the window shows. The window closes
// after `act`; a window left open fails the test and is closed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <string>

#include "core/ui_hooks.h"
#include "dictionary/start.h"
#include "dictionary/windows.h"
#include "platform_ui/qt_app.h"
#include "support/unique_token.h"
#include "support/window_guard.h"
#include "trainer/demo_edition.h"

namespace testsupport {

class DictionaryRun : public QtFixture {
  protected:
    DemoEdition demo;
    TempDir runtime;
    std::vector<std::string> grane;

    // On the demo edition `edition` ("" English, "de", "fr").
    explicit DictionaryRun(const std::string& edition = "") : demo(linked_folders, edition) {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) {
            stary_runtime_ = old;
            mial_runtime_ = true;
        }
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    }
    ~DictionaryRun() override {
        mial_runtime_ ? ::setenv("XDG_RUNTIME_DIR", stary_runtime_.c_str(), 1)
                      : ::unsetenv("XDG_RUNTIME_DIR");
    }

    // The program's exit code.
    int run(const std::function<void(TFrmSlownik&)>& act) {
        OpcjeSlownika opcje;
        opcje.token = unique_token();
        opcje.okna_komunikatow = false;
        bool shown = false;
        opcje.po_pokazaniu = [&](TFrmSlownik& f) {
            shown = true;
            core::ui().play_wav = [this](const std::string& p, bool) { grane.push_back(p); };
            core::ui().info = [this](const std::string& t) { demo.messages.push_back(t); };
            act(f);
            f.close();
        };
        const WindowGuard guard(watchdog_ms, []() -> QWidget* { return FrmSlownik; });
        const int code = uruchom_slownik(0, nullptr, opcje);
        ui::set_next_modal_hook(nullptr);
        EXPECT_TRUE(shown);
        return code;
    }

    // Acts on the next modal window (the search options, the user choice,
    // the examples) as `act` says.
    static void next_modal(std::function<void(ui::Window&)> act) {
        ui::set_next_modal_hook(std::move(act));
    }

    // Searches the word through the search options window.
    static void search(TFrmSlownik& f, const std::string& word) {
        next_modal([word](ui::Window&) {
            Form23->Edit1.SetText(word);
            Form23->B_OKClick();
        });
        f.K_SzukajClick();
    }

    // The rows' foreign texts, empty rows left out.
    static std::vector<std::string> rows(TFrmSlownik& f) {
        std::vector<std::string> out;
        for (auto& l : f.L)
            if (!l->Caption().empty()) out.push_back(l->Caption());
        return out;
    }

  private:
    std::string stary_runtime_;
    bool mial_runtime_ = false;
};

} // namespace testsupport
