#include "shared/form5.h"

#include "core/startup.h"
#include "shared/transparent_button.h"

const std::vector<std::string>& paski_trenera() {
    static const std::vector<std::string> paski = {
        "but_s\\glosnik2.bmp",          "but_s\\mikrof2.bmp",        "but_s\\ok2.bmp",
        "but_s\\anuluj2.bmp",           "but_s\\umiem.bmp",          "but_s\\nie_umiem.bmp",
        "but_s\\sprawdz.bmp",           "but_s\\ok_duzy.bmp",        "but_s\\nauka.bmp",
        "but_s\\podr_back2.bmp",        "but_s\\podr_druk2.bmp",     "but_s\\nowy_user.bmp",
        "but_s\\glos_maly.bmp",         "but_s\\op_gora.bmp",        "but_s\\op_dol.bmp",
        "but_s\\m_slow_powt.bmp",       "but_s\\m_slow_cwicz.bmp",   "but_s\\m_slow_wyniki.bmp",
        "but_s\\m_slow_gener.bmp",      "but_s\\m_slow_serwisy.bmp", "but_s\\m_slow_pomoc.bmp",
        "but_s\\m_slow_ustawienia.bmp", "but_s\\podr_spis2.bmp",
    };
    return paski;
}

const std::vector<std::string>& paski_slownika() {
    static const std::vector<std::string> paski = {
        "but_s\\ok2.bmp",     "but_s\\ok2.bmp",    "but_s\\anuluj2.bmp",
        "but_s\\op_gora.bmp", "but_s\\op_dol.bmp", "but_s\\nowy_user.bmp",
    };
    return paski;
}

TForm5::TForm5(const std::vector<std::string>& paski) : ui::Window(1, 1) {
    MediaPlayer1.set_time_format_ms();
    for (const auto& p : paski)
        MyImageList1.AddFromFile(sciezka_programu + p, 2, 0, 0);
    TTransparentButton::SetSharedList(&MyImageList1);
}

TForm5::~TForm5() {
    if (TTransparentButton::SharedList() == &MyImageList1)
        TTransparentButton::SetSharedList(nullptr);
}
