// The trainer as a second process for the two-process tests:
//   trainer_child add-users <program folder> <prefix> <count>
//       adds the users <prefix>1 .. <prefix><count> to usr.t, one by one;
//       exit code 0 when every one was added.
//   trainer_child start <program folder>
//       starts the trainer, logs in as the last user of the list and closes
//       the main window (which saves); the trainer's exit code.
//   trainer_child start-loop <program folder>
//       the same again and again until it is killed.
// Windows run offscreen; any other window that shows is closed at once, its
// text (for an information box) written to stderr.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform/os/paths.h"
#include "shared/users.h"
#include "trainer/start.h"
#include "trainer/windows.h"

namespace {

void act(ui::Window& w) {
    ui::set_next_modal_hook(act);
    if (&w == Form9) {
        Form9->K_OKClick();
        return;
    }
    if (&w == Form20) std::fprintf(stderr, "%s\n", os::cp1250_to_utf8(Form20->Label1.Caption()).c_str());
    w.close();
}

int start(const std::string& program, int run) {
    ui::set_next_modal_hook(act);
    OpcjeStartu opcje;
    opcje.token = "vokarin-child-" + std::to_string(getpid()) + "-" + std::to_string(run);
    opcje.okna_komunikatow = false;
    opcje.po_pokazaniu = [](TForm1& f) { f.close(); };
    char name[] = "trainer_child";
    char* argv[] = {name, nullptr};
    return uruchom_trenera(1, argv, opcje);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string mode = argv[1];
    os::set_program_folder(argv[2]);
    if (mode == "add-users" && argc == 5) {
        sciezka_programu = os::with_slash(argv[2]);
        const int count = std::atoi(argv[4]);
        for (int i = 1; i <= count; ++i)
            if (dodaj_usera(argv[3] + std::to_string(i)) != WynikDodania::dodany) return 1;
        return 0;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (mode == "start") return start(argv[2], 0);
    if (mode == "start-loop") {
        for (int run = 0;; ++run)
            if (start(argv[2], run) != 0) return 1;
    }
    return 2;
}
