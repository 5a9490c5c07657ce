#include "dictionary/start.h"

int main(int argc, char** argv) {
    return uruchom_slownik(argc, argv);
}
