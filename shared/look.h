#pragma once
// The programs' look: palette, the button strips' frame sizes and the window
// geometry shared by the artwork generator and the window classes.
#include <array>
#include <cstdint>

namespace look {

struct Rect {
    int x, y, w, h;
};
struct Size {
    int w, h;
};

// Transparent key of every strip and picture: it occurs nowhere in the artwork,
// and every strip has it in its bottom-left pixel.
constexpr uint32_t klucz_przezroczysty = 0xFF00FF;

// Palette (0xRRGGBB).
constexpr uint32_t granat = 0x1F3A5F;      // deep blue: title bars, text on light ground
constexpr uint32_t morski = 0x2E6F8E;      // sea blue: buttons
constexpr uint32_t morski_jasny = 0x4A98BA;  // buttons highlighted
constexpr uint32_t krem = 0xF6F1E4;        // light ground of windows
constexpr uint32_t piasek = 0xE4D9BC;      // panels on the light ground
constexpr uint32_t pomarancz = 0xE8833A;   // accent: due indicator, focus
constexpr uint32_t tekst = 0x22313F;       // body text

// Frame size of each of the holder window's 23 strips (2 frames each), by index.
constexpr std::array<Size, 23> klatki_paskow = {{
    {48, 48},   // 0 glosnik2
    {48, 48},   // 1 mikrof2
    {64, 32},   // 2 ok2
    {64, 32},   // 3 anuluj2
    {120, 36},  // 4 umiem
    {120, 36},  // 5 nie_umiem
    {120, 36},  // 6 sprawdz
    {120, 36},  // 7 ok_duzy
    {120, 36},  // 8 nauka
    {90, 30},   // 9 podr_back2
    {90, 30},   // 10 podr_druk2
    {150, 32},  // 11 nowy_user
    {28, 28},   // 12 glos_maly
    {28, 20},   // 13 op_gora
    {28, 20},   // 14 op_dol
    {260, 52},  // 15 m_slow_powt
    {260, 52},  // 16 m_slow_cwicz
    {260, 52},  // 17 m_slow_wyniki
    {260, 52},  // 18 m_slow_gener
    {260, 52},  // 19 m_slow_serwisy
    {260, 52},  // 20 m_slow_pomoc
    {260, 52},  // 21 m_slow_ustawienia
    {90, 30},   // 22 podr_spis2
}};

// Main window (800 x 600, gfx_s\menu_slow.bmp).
constexpr Size okno_glowne = {800, 600};
constexpr Rect btn_powtorki = {270, 150, 260, 52};
constexpr Rect btn_cwiczenia = {270, 210, 260, 52};
constexpr Rect btn_wyniki = {270, 270, 260, 52};
constexpr Rect btn_generator = {270, 330, 260, 52};
constexpr Rect btn_ustawienia = {270, 390, 260, 52};
constexpr Rect btn_pomoc = {270, 450, 260, 52};
constexpr Rect btn_serwisy = {270, 510, 260, 52};
constexpr Rect powtorki_tlo2 = {540, 150, 52, 52};  // due indicator, gfx_s\powtorki_tlo2.bmp
constexpr Rect L_napis_logo = {24, 20, 320, 40};
constexpr Rect L_napis_vidavidoda = {24, 560, 300, 24};
constexpr Rect L_Koniec = {680, 556, 100, 28};

// Information box TForm20 and question box TForm29 (455 x 101), gfx_s\form20.bmp, form29.bmp.
constexpr Size okno_info = {455, 101};
constexpr Rect form20_Label1 = {18, 14, 334, 74};
constexpr Rect form20_B_OK = {372, 35, 64, 32};
constexpr Rect form29_Label1 = {18, 14, 282, 74};
constexpr Rect form29_B_OK = {304, 35, 64, 32};
constexpr Rect form29_B_Zamknij = {376, 35, 64, 32};

// Leave-the-program box TForm24 (252 x 94), gfx_s\form24.bmp carries the question.
constexpr Size okno_koniec = {252, 94};
constexpr Rect form24_B_OK = {50, 54, 64, 32};
constexpr Rect form24_B_Zamknij = {138, 54, 64, 32};

// Progress window TForm14.
constexpr Size okno_postepu = {234, 15};

// User choice TForm9 (gfx_s\form9.bmp) and new user TForm10 (gfx_s\form10.bmp).
constexpr Size okno_uzytkownik = {420, 240};
constexpr Rect form9_Label1 = {30, 72, 200, 20};
constexpr Rect form9_ComboBox1 = {30, 96, 360, 26};
constexpr Rect form9_TransparentButton1 = {30, 186, 150, 32};
constexpr Rect form9_B_OK = {246, 186, 64, 32};
constexpr Rect form9_B_Zamknij = {326, 186, 64, 32};

constexpr Size okno_nowy_uzytkownik = {420, 200};
constexpr Rect form10_Label1 = {30, 72, 200, 20};
constexpr Rect form10_Edit1 = {30, 96, 360, 26};
constexpr Rect form10_B_OK = {246, 148, 64, 32};
constexpr Rect form10_B_Zamknij = {326, 148, 64, 32};

// The dictionary program's holder loads these six strips (2 frames each), in this order;
// they are files of the holder table above.
constexpr std::array<const char*, 6> paski_slownika = {
    "but_s\\ok2.bmp",     "but_s\\ok2.bmp",    "but_s\\anuluj2.bmp",
    "but_s\\op_gora.bmp", "but_s\\op_dol.bmp", "but_s\\nowy_user.bmp"};

// The dictionary window's own action buttons (2 frames of klatka_slownika each), for a
// holder that appends them after the six above (indexes 6 to 9).
constexpr Size klatka_slownika = {104, 30};
constexpr std::array<const char*, 4> paski_okna_slownika = {
    "but_s\\sl_szukaj.bmp", "but_s\\sl_zdania.bmp", "but_s\\sl_do_nauki.bmp",
    "but_s\\sl_wszystkie.bmp"};

// Dictionary window TFrmSlownik (562 x 351), gfx_s\slownik.bmp. The title is part of the
// picture; Label1 is the drag handle over the title bar and carries no text.
constexpr Size okno_slownika = {562, 351};
constexpr Rect slownik_Label1 = {0, 0, 500, 30};
constexpr Rect slownik_L_Minim = {506, 4, 24, 22};
constexpr Rect slownik_L_Close = {534, 4, 24, 22};
constexpr Rect slownik_CB_Gr_Tem = {16, 40, 210, 26};
constexpr Rect slownik_K_Wszystkie = {16, 38, 104, 30};  // in place of CB_Gr_Tem after a search
constexpr Rect slownik_K_Szukaj = {234, 38, 104, 30};
constexpr Rect slownik_k_zdania = {344, 38, 104, 30};
constexpr Rect slownik_K_Do_Nauki = {454, 38, 104, 30};
constexpr Rect slownik_L_Ile_wybrano = {16, 72, 420, 20};
constexpr Rect slownik_lista = {8, 94, 552, 232};  // the panel behind the ten rows
constexpr int slownik_L_lewa = 20, slownik_L_szer = 236;  // L1..L10
constexpr int slownik_P_lewa = 265, slownik_P_szer = 276;  // P1..P10
constexpr int slownik_wiersz_wys = 20;
// Top of row 1..10 of L1..L10 and P1..P10.
constexpr int slownik_wiersz_top(int wiersz) { return 23 * wiersz + 75; }
constexpr Rect slownik_Suwak = {543, 96, 16, 228};
constexpr Rect slownik_L_Opis = {16, 329, 530, 20};

}  // namespace look
