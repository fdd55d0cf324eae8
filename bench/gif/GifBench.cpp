// Decoding speed of TGifFile against giflib's DGifSlurp on the same files in the same run.
//   gif_bench <folder>            makes the files in <folder> once, then times both decoders
//   gif_bench --peak <file.gif>   loads one file with TGifFile and prints the peak resident memory
#include "GiflibPeer.h"
#include "convert/gif/TGifFile.h"
#include "cycle/Exception.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sys/resource.h>
#include <utility>

namespace {
using Bytes = std::vector<std::uint8_t>;

// Stands in for the window's event processing: something per row that cannot be optimised away.
struct RowCounter : TGifProgress {
    void RowDecoded() override { rows.fetch_add(1, std::memory_order_relaxed); }
    std::atomic<long> rows = 0;
};

giflib::Frame photograph(int width, int height, unsigned seed)
{
    // Smooth shapes with grain and fine detail, like a colour-quantised photograph.
    std::mt19937 random(seed);
    giflib::Frame frame;
    frame.width = width;
    frame.height = height;
    frame.pixels.resize(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double value = 96 + 60 * std::sin(x / 170.0) * std::cos(y / 130.0) + 40 * std::sin((x + 2 * y) / 23.0);
            value += double(random() % 24) - 12.0;
            frame.pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]
                = std::uint8_t(std::clamp(value, 0.0, 255.0));
        }
    return frame;
}

giflib::Frame lineDrawing(int width, int height)
{
    giflib::Frame frame;
    frame.width = width;
    frame.height = height;
    frame.pixels.assign(std::size_t(width) * std::size_t(height), 1);
    auto dot = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            frame.pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = 0;
    };
    for (int i = 0; i < 400; ++i) { // circles
        const int cx = (i * 7919) % width, cy = (i * 104729) % height, r = 20 + (i * 31) % 400;
        for (int a = 0; a < 8 * r; ++a)
            dot(cx + int(r * std::cos(a / (4.0 * r) * 3.14159)), cy + int(r * std::sin(a / (4.0 * r) * 3.14159)));
    }
    for (int y = 0; y < height; y += 97) // a grid
        for (int x = 0; x < width; ++x)
            dot(x, y);
    for (int x = 0; x < width; x += 89)
        for (int y = 0; y < height; ++y)
            dot(x, y);
    return frame;
}

giflib::Picture animation()
{
    giflib::Picture picture;
    for (int i = 0; i < 300; ++i) {
        giflib::Frame frame = photograph(320, 240, unsigned(i));
        frame.graphicControl = true;
        picture.frames.push_back(std::move(frame));
    }
    return picture;
}

Bytes readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

Bytes makeOnce(const std::filesystem::path& path, const std::function<giflib::Picture()>& make)
{
    if (!std::filesystem::exists(path)) {
        const Bytes bytes = giflib::encode(make());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    return readFile(path);
}

double seconds(const std::function<void()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Best times of both, taken in turns so that both meet the same load on a shared machine.
std::pair<double, double> bestOfBoth(int rounds, const std::function<void()>& ours, const std::function<void()>& theirs)
{
    double bestOurs = 1e30, bestTheirs = 1e30;
    for (int i = 0; i < rounds; ++i) {
        bestOurs = std::min(bestOurs, seconds(ours));
        bestTheirs = std::min(bestTheirs, seconds(theirs));
    }
    return { bestOurs, bestTheirs };
}

int peak(const char* path)
{
    TGifFile gif;
    gif.LoadFromFile(path);
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s: %d image(s), peak resident %ld KiB\n", path, gif.ImageCount(), usage.ru_maxrss);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--peak")
        return peak(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gif_bench <folder> | gif_bench --peak <file.gif>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    struct Case {
        const char* name;
        std::function<giflib::Picture()> make;
    };
    const Case cases[] = {
        { "photo-4000x3000-256.gif",
            [] {
                return giflib::Picture { 256, false, { photograph(4000, 3000, 1) } };
            } },
        { "lines-6000x4000-2.gif",
            [] {
                return giflib::Picture { 2, false, { lineDrawing(6000, 4000) } };
            } },
        { "animation-300x320x240.gif", animation },
    };
    std::printf("%-28s %10s %12s %12s %8s\n", "file", "KiB", "ours ms", "giflib ms", "ratio");
    for (const Case& c : cases) {
        const Bytes bytes = makeOnce(folder / c.name, c.make);
        RowCounter progress;
        const auto [ours, theirs] = bestOfBoth(
            9,
            [&] {
                TGifFile gif;
                gif.SetProgress(&progress);
                gif.LoadFromMemory(bytes.data(), bytes.size());
            },
            [&] {
                std::vector<Bytes> rasters;
                if (!giflib::decode(bytes, rasters))
                    throw Exception("giflib failed");
            });
        std::printf("%-28s %10zu %12.1f %12.1f %8.2f\n", c.name, bytes.size() / 1024, ours * 1000, theirs * 1000,
            ours / theirs);
    }
    return 0;
}
