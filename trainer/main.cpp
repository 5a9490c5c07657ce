#include "trainer/start.h"

int main(int argc, char** argv) {
    return uruchom_trenera(argc, argv);
}
