#include "shared/form24.h"

#include "shared/form24_geometry.h"

uint8_t tak_obrazek = 0;

TForm24::TForm24()
    : TOknoTakNie(look::okno_koniec, "gfx_s\\form24.bmp", tak_obrazek, look::form24_B_OK,
                  look::form24_B_Zamknij) {}
