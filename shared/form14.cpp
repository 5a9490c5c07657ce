#include "shared/form14.h"

#include "shared/form14_geometry.h"

TForm14::TForm14() : ui::Window(look::okno_postepu.w, look::okno_postepu.h), Progress(this) {
    set_border(true);
    set_stays_on_top(true);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    Progress.SetBounds(0, 0, look::okno_postepu.w, look::okno_postepu.h);
    Progress.SetRange(0, 100);
    Progress.Step = 5;
    Progress.SetSmooth(true);
    Progress.SetColors(0xFF000000u | look::morski, 0xFF000000u | look::krem);
}
