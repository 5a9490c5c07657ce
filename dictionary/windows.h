#pragma once
// The dictionary program's windows, in one place: the order in which its
// start creates them (its own window first: its creation runs the start-up
// and loads the store) and the global pointer of each. Windows of shared/
// have their pointers there.
#include "dictionary/frm_slownik.h"
#include "platform/ui/window.h"
#include "shared/form10.h"
#include "shared/form20.h"
#include "shared/form23.h"
#include "shared/form5.h"
#include "shared/form9.h"
#include "shared/informacja.h"
#include "shared/zestaw_okien.h"

// The word editor: made with the others, never shown in this program.
class TForm13 : public ui::Window {
  public:
    TForm13() : ui::Window(600, 420) {}
};
extern TForm13* Form13;

// Creates every window in its order into `okna`; last the information box
// that the new-user window and the hand-off report through. A run-time error of the
// start-up passes on to the caller; the holder window without its strips
// still comes up, with the error shown.
void utworz_okna_slownika(ZestawOkien& okna);
