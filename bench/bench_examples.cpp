// Times the examples window's text work per repaint: 100 examples (about 2100
// tokens, as the exercise window sends them) split into tokens and laid out
// with the window's real font, then laid out again one line down (a scroll).
// The widths are measured once and kept, as in the window; the first, cold
// round is printed apart. Last line: examples_layout_ms=<median>.
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "shared/examples_font.h"
#include "shared/examples_text.h"
#include "platform/ui/fonts.h"

namespace {

const char* const obce[] = {"she", "goes", "to", "the", "old", "market", "every", "Sunday",
                            "morning", "with", "her", "brother"};
const char* const polskie[] = {"ona", "chodzi", "na", "stary", "targ", "w", "każdą",
                               "niedzielę", "rano", "z", "bratem"};

// One example as the exercise window builds it, before the tag conversion.
std::string przyklad(int n) {
    std::string s = "#S=" + liczba_z_zerami(5, 100 + n) + "# ";
    for (int k = 0; k < 9; ++k)
        s += std::string(obce[(n + k) % 12]) + (k < 8 ? " " : "");
    s += " <(";
    for (int k = 0; k < 8; ++k)
        s += os::pl(polskie[(n + k) % 11]) + (k < 7 ? " " : "");
    return s + ")>@";
}

double teraz_ms() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ui::pin_fonts_or_exit();
    QGuiApplication app(argc, argv);

    std::string tekst;
    for (int n = 1; n <= 100; ++n)
        tekst += przyklad(n);
    tekst = formatuj_tekst(tekst);

    TMiaraPrzykladow miara;
    const przyklady::Rozmiar pole{512, 300}, ikona{16, 16};
    przyklady::TTekstPrzykladow t(miara, pole, ikona, ikona);

    std::vector<double> ms;
    size_t tokeny = 0, elementy = 0;
    for (int i = 0; i < 301; ++i) {
        const double t0 = teraz_ms();
        t.ustaw_tekst(tekst);
        t.w_dol();
        elementy = t.uklad().elementy.size();
        const double dt = teraz_ms() - t0;
        tokeny = t.tokeny().size();
        if (i == 0)
            std::printf("cold_ms=%.3f\n", dt);
        else
            ms.push_back(dt);
    }
    std::printf("tokens=%zu laid_out=%zu lines_scrollable=%d rounds=%zu\n", tokeny, elementy,
                t.max_przesuniecie(), ms.size());
    std::printf("examples_layout_ms=%.3f\n", bench::median(ms));
    return 0;
}
