// The exercise engine on a full-size course (15000 items): for every exercise
// type, 1000 questions checked and the next one set up (the distractor pools
// scan the whole store); then, in the exercise window on the offscreen
// platform, the time from the key that leaves a verdict to the next question
// painted. Prints per type the median microseconds per question, then
//   next_question_ms=<median>
//   question_us=<median of the worst type>
#include <QApplication>
#include <QKeyEvent>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "bench/full_course.h"
#include "bench/timing.h"
#include "core/exercises.h"
#include "core/items.h"
#include "core/settings.h"
#include "core/startup.h"
#include "platform/os/paths.h"
#include "platform/os/random.h"
#include "trainer/form4.h"
#include "trainer/sentence_font.h"
#include "platform/ui/fonts.h"
#include "trainer_logic/exercise_engine.h"
#include "trainer_logic/run_plan.h"

namespace {

using Clock = std::chrono::steady_clock;

struct BezUslug : UslugiCwiczenia {
    void graj(const std::string&, bool) override {}
    void informacja(const std::string&) override {}
    void zamknij() override {}
};

// A run of 300 positions over items first..first+299, each needing many
// answers of type `typ`.
TPlan plan_typu(int typ, int first) {
    TPlan p;
    p.ile_w_planie = MAX_LISTA;
    for (int k = 1; k <= MAX_LISTA; ++k) {
        p.pozycje_planu[k] = first + (k - 1) * 7;
        p.plan_cwiczenia[k].typ[typ] = {1000, 0, 0};
    }
    return p;
}

// Answers the question on screen (wrongly where it can) in the engine.
void odpowiedz(SilnikCwiczenia& s) {
    switch (s.pytanie().forma) {
    case Forma::wybor:
        s.Sprawdz_wybor(s.pytanie().poprawny_wybor == 1 ? 2 : 1);
        break;
    case Forma::wpisywanie:
        s.I_OKClick("wrong answer", {});
        break;
    case Forma::luki:
        s.I_OKClick("", {"sentence", "", ""});
        break;
    case Forma::samoocena:
        s.Pokaz_rozwiazanie();
        s.Ocen_sam(true);
        return; // the next question comes at once
    case Forma::wymowa:
        s.Ocen_sam(false);
        return;
    }
    s.I_OKClick("", {}); // the next question
}

void klawisz(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ui::pin_fonts_or_exit();
    QApplication app(argc, argv);
    namespace fs = std::filesystem;
    const fs::path root =
        fs::temp_directory_path() / ("vokarin-bench-question-" + std::to_string(::getpid()));
    bench::lay_out_full_course(root);
    os::set_program_folder((root / "program").string() + "/");
    start_programu();
    wczytaj_dane();
    ustawienia.linia[47] = 1; // no hint box
    tryb_lekcji = 1;
    os::set_rand_seed(1);

    std::printf("course: %d items, %d words\n", baza.ile_slow, baza.ile_slowek);
    const int zdania = baza.ile_slowek + 1;
    MiernikCzcionki miernik;
    BezUslug uslugi;
    double najgorszy = 0;
    for (int typ = 1; typ <= MAX_TYP_CWICZENIA; ++typ) {
        TPlan plan = plan_typu(typ, typ <= 9 ? 1 : zdania);
        SilnikCwiczenia silnik(plan, uslugi, miernik);
        silnik.start(typ);
        std::vector<double> us;
        for (int n = 0; n < 1000; ++n) {
            const auto t0 = Clock::now();
            odpowiedz(silnik);
            us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        }
        const double m = bench::median(us);
        najgorszy = std::max(najgorszy, m);
        std::printf("type %2d: %.1f us per question\n", typ, m);
    }

    // The window: a wrong choice, then Enter to the next question, painted.
    sesja.plan = plan_typu(4, 1);
    wybrany_typ = 4;
    TForm4 okno;
    okno.show_modeless();
    QApplication::processEvents();
    std::vector<double> ms;
    for (int n = 0; n < 200; ++n) {
        const int dobra = okno.silnik().pytanie().poprawny_wybor;
        klawisz(&okno, dobra == 1 ? Qt::Key_2 : Qt::Key_1);
        okno.repaint();
        const auto t0 = Clock::now();
        klawisz(&okno, Qt::Key_Return);
        okno.repaint();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    if (!okno.isVisible() || okno.silnik().kursor() < 100)
        std::printf("the window did not go through the run (at position %d)\n",
                    okno.silnik().kursor());
    okno.close();
    std::error_code ec;
    fs::remove_all(root, ec);

    std::printf("next_question_ms=%.2f\n", bench::median(ms));
    std::printf("question_us=%.1f\n", najgorszy);
    return 0;
}
