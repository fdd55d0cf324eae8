// Makes the JPEG files the converter's command-line benchmarks run on, all photo-like:
//   bench_jpeg_pictures <folder>
// <folder>/photo.jpg (4000 x 3000), <folder>/small/NN.jpg (50 of 320 x 240) and
// <folder>/batch/NNN.jpg (200 of 1024 x 768).
#include "convert/jpeg/JpegFixture.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

void makeSeries(const std::filesystem::path& folder, int count, int width, int height)
{
    std::filesystem::create_directories(folder);
    const std::vector<unsigned char> jpeg = makeJpeg({ .width = width, .height = height, .quality = 90 });
    for (int i = 1; i <= count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%03d.jpg", i);
        writeBytes((folder / name).string(), jpeg);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: bench_jpeg_pictures <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    writeBytes((folder / "photo.jpg").string(), makeJpeg({ .width = 4000, .height = 3000, .quality = 90 }));
    makeSeries(folder / "small", 50, 320, 240);
    makeSeries(folder / "batch", 200, 1024, 768);
    return 0;
}
