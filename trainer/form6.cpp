#include "trainer/form6.h"

#include <QEvent>
#include <QTimer>

#include "platform/os/codepage.h"
#include "shared/forms.h"
#include "trainer/form6_geometry.h"

TForm6::TForm6()
    : ui::Window(geo6::okno.w, geo6::okno.h), Image1(this), L_Odp(this),
      B_Zamknij(this, Pasek::zamknij) {
    SetCaption(os::pl("Twoja odpowiedź"));
    ustaw_tlo(Image1, "gfx_s\\form6.bmp", geo6::okno);
    umiesc(L_Odp, geo6::L_Odp);
    L_Odp.SetFont(czcionka_arial(20, true, look::granat));
    L_Odp.SetTransparent(true);
    L_Odp.SetLayout(Qt::AlignVCenter);
    ustaw_przycisk(B_Zamknij, geo6::B_Zamknij, [this] { B_ZamknijClick(); });
    SetDefaultButton(&B_Zamknij);
    SetCancelButton(&B_Zamknij);
}

void TForm6::changeEvent(QEvent* e) {
    ui::Window::changeEvent(e);
    // Losing the focus to another window closes it (after the change is
    // handled, never from inside it).
    if (e->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && !isActiveWindow()) close();
        });
}
