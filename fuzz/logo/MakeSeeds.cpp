// Writes small bitmaps of every depth and layout the logo reader knows, as fuzzing seeds.
#include "BitmapBytes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_logo_seeds <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::pair<const char*, BitmapShape> seeds[] = {
        { "8.bmp", { .width = 9, .height = 5, .colours = 20 } },
        { "8-top-down.bmp", { .width = 9, .height = 5, .topDown = true } },
        { "rle8.bmp", { .width = 16, .height = 5, .runLengths = true } },
        { "4.bmp", { .width = 9, .height = 5, .bits = 4, .colours = 16 } },
        { "1.bmp", { .width = 9, .height = 5, .bits = 1, .colours = 2 } },
        { "24.bmp", { .width = 9, .height = 5, .bits = 24 } },
        { "32.bmp", { .width = 9, .height = 5, .bits = 32 } },
    };
    for (const auto& [name, shape] : seeds)
        std::ofstream(folder / name, std::ios::binary) << bitmapBytes(shape);
    return 0;
}
