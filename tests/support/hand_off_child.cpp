// A dictionary sending words, as a second process for the hand-off tests:
//   hand_off_child <user folder> <first ID> <count>
// appends the IDs first .. first + count - 1 to the folder's slow.txt, one
// send each, as the dictionary's hand-off button does. Exit code 0 when every
// send succeeded.
#include <cstdlib>
#include <string>

#include "core/hand_off.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const std::string folder = argv[1];
    const int first = std::atoi(argv[2]);
    const int count = std::atoi(argv[3]);
    for (int id = first; id < first + count; ++id)
        if (!dopisz_slowo(folder, id)) return 1;
    return 0;
}
