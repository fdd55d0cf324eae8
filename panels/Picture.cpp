#include "panels/Picture.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

struct Tap {
    int source;
    float weight;
};

// For each of `to` cells laid over `from` cells, the cells it covers and how much of it each
// makes up (the weights of a cell add up to 1).
std::vector<std::vector<Tap>> coverage(int from, int to)
{
    std::vector<std::vector<Tap>> cells(static_cast<std::size_t>(to));
    double scale = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        double start = i * scale, end = (i + 1) * scale;
        for (int s = static_cast<int>(start); s < from && s < end; ++s) {
            double weight = std::min(end, s + 1.0) - std::max(start, static_cast<double>(s));
            if (weight > 0)
                cells[i].push_back({ s, static_cast<float>(weight / scale) });
        }
    }
    return cells;
}

// The cell of `from` that each of `to` evenly spread cells takes, `to` <= `from`.
std::vector<int> thinned(int from, int to)
{
    std::vector<int> cells(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i)
        cells[i] = static_cast<int>((2LL * i + 1) * from / (2LL * to));
    return cells;
}

} // namespace

Picture stretchedPicture(const Picture& picture, int width, int height)
{
    if (width <= 0 || height <= 0 || picture.isNull())
        return {};
    int thinWidth = std::min(picture.width, 4 * width), thinHeight = std::min(picture.height, 4 * height);
    std::vector<int> columns = thinned(picture.width, thinWidth), rows = thinned(picture.height, thinHeight);
    std::vector<std::vector<Tap>> across = coverage(thinWidth, width), down = coverage(thinHeight, height);

    // Across first, into `width` cells of four channels for each thinned row; then down.
    std::vector<float> narrow(static_cast<std::size_t>(width) * thinHeight * 4);
    for (int y = 0; y < thinHeight; ++y) {
        const std::uint32_t* row = &picture.pixels[static_cast<std::size_t>(rows[y]) * picture.width];
        float* out = &narrow[static_cast<std::size_t>(y) * width * 4];
        for (int x = 0; x < width; ++x)
            for (const Tap& tap : across[x]) {
                std::uint32_t colour = row[columns[tap.source]];
                for (int c = 0; c < 4; ++c)
                    out[x * 4 + c] += tap.weight * static_cast<float>((colour >> (8 * c)) & 0xff);
            }
    }
    Picture stretched { width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height) };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float sum[4] = {};
            for (const Tap& tap : down[y])
                for (int c = 0; c < 4; ++c)
                    sum[c] += tap.weight * narrow[(static_cast<std::size_t>(tap.source) * width + x) * 4 + c];
            std::uint32_t colour = 0;
            for (int c = 0; c < 4; ++c)
                colour |= static_cast<std::uint32_t>(std::clamp(std::lround(sum[c]), 0L, 255L)) << (8 * c);
            stretched.pixels[static_cast<std::size_t>(y) * width + x] = colour;
        }
    return stretched;
}
