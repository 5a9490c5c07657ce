#include "dictionary/windows.h"

#include "shared/forms.h"

TForm13* Form13 = nullptr;

void utworz_okna_slownika(ZestawOkien& okna) {
    okna.utworz(FrmSlownik);
    okna.utworz(Form23, FrmSlownik->szukane_slowo, FrmSlownik->opcje);
    okna.utworz(Form13);
    okna.utworz(Form10);
    okna.utworz(Form9, true);
    utworz_form5(okna, paski_slownika);
    okna.utworz(InformacjaForm, true);
    okna.utworz(Form20);
}
