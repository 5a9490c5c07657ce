#include <cstdlib>

#include "trainer/start.h"

int main(int argc, char** argv) {
    przesun_dzien(std::getenv(ZMIENNA_PRZESUNIECIA));
    return uruchom_trenera(argc, argv);
}
