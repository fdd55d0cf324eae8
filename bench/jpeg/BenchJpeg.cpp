// JPEG to BMP with the converter's options, against djpeg from the same libjpeg in the same run:
//   zentrel-convert photo.jpg out.bmp   versus   djpeg -bmp -colors 256 -dither fs -dct int
// on a generated 4000 x 3000 photo-like JPEG. Prints the median times and their ratio.
#include "convert/jpeg/JpegFixture.h"
#include "convert/jpeg/TJpegDecoder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

double seconds(const std::function<void()>& work)
{
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double medianSeconds(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(seconds(work));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void runOrDie(const std::string& command)
{
    if (std::system(command.c_str()) != 0) {
        std::cerr << "failed: " << command << "\n";
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::filesystem::path folder
        = std::filesystem::temp_directory_path() / ("zentrel-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::string input = (folder / "photo.jpg").string();
    std::string ours = (folder / "ours.bmp").string();
    std::string theirs = (folder / "djpeg.bmp").string();
    writeBytes(input, makeJpeg({ .width = 4000, .height = 3000, .quality = 90 }));

    std::string djpeg = "djpeg -bmp -colors 256 -dither fs -dct int -outfile '" + theirs + "' '" + input + "'";
    std::string convert = std::string("'") + ZENTREL_CONVERT + "' '" + input + "' '" + ours + "'";
    double djpegSeconds = 0;
    double convertSeconds = 0;
    // Interleaved so that both meet the same machine load.
    for (int i = 0; i < runs; ++i) {
        djpegSeconds += seconds([&] { runOrDie(djpeg); });
        convertSeconds += seconds([&] { runOrDie(convert); });
    }
    double decodeSeconds = medianSeconds(runs, [&] { TJpegDecoder({}).decodeFile(input); });
    bool identical = readBytes(ours) == readBytes(theirs);
    std::filesystem::remove_all(folder);

    std::printf("4000 x 3000 JPEG to 8-bit BMP, mean of %d runs\n", runs);
    std::printf("  djpeg -bmp -colors 256          %.3f s\n", djpegSeconds / runs);
    std::printf("  zentrel-convert                 %.3f s\n", convertSeconds / runs);
    std::printf("  TJpegDecoder in memory (median) %.3f s\n", decodeSeconds);
    std::printf("  ratio zentrel-convert / djpeg   %.3f\n", convertSeconds / djpegSeconds);
    std::printf("  output identical to djpeg's     %s\n", identical ? "yes" : "NO");
    return identical ? 0 : 1;
}
