#include "shared/form5.h"

#include <exception>

#include "core/startup.h"
#include "platform/os/message.h"
#include "shared/forms.h"
#include "shared/zestaw_okien.h"
#include "shared/transparent_button.h"

TForm5::TForm5(std::span<const Pasek> paski) : ui::Window(1, 1) {
    MediaPlayer1.set_time_format_ms();
    for (Pasek p : paski) {
        const int i = MyImageList1.AddFromFile(sciezka_programu + opis_paska(p).plik, 2, 0, 0);
        MyImageList1.SetName(i, p);
    }
    TTransparentButton::SetSharedList(&MyImageList1);
}

TForm5::~TForm5() {
    if (TTransparentButton::SharedList() == &MyImageList1)
        TTransparentButton::SetSharedList(nullptr);
}

void utworz_form5(ZestawOkien& okna, std::span<const Pasek> paski) {
    try {
        okna.utworz(Form5, paski);
    } catch (const std::exception& e) {
        okna.utworz(Form5, std::span<const Pasek>{});
        os::show_message(e.what());
    }
}
