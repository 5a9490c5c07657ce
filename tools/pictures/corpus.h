#pragma once
// The whole picture corpus as named files: PNG of every colour type and
// depth, GIF of every kind the decoder meets, and damaged files of both.
#include <string>
#include <vector>

namespace corpus {

struct File {
    std::string name; // e.g. "png/t3d4_adam7_33x17.png"
    std::string bytes;
    bool broken = false;
};

std::vector<File> PngFiles();
std::vector<File> GifFiles();
std::vector<File> BrokenFiles();

} // namespace corpus
