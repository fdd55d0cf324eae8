#include "convert/conversion/TPreviewPicture.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int MaxSamplesPerSide = 4;

std::uint32_t le32(const std::vector<unsigned char>& bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16
        | std::uint32_t(bytes[at + 3]) << 24;
}

// Where the rows and colours of a bitmap file lie, checked against the file's length.
struct BitmapLayout {
    std::size_t width = 0;
    std::size_t height = 0;
    bool bottomUp = true;
    int bytesPerPixel = 0;
    std::size_t palette = 0;
    std::size_t pixels = 0;
    std::size_t rowSize = 0;

    bool read(const std::vector<unsigned char>& bytes)
    {
        if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M')
            return false;
        const std::uint32_t infoSize = le32(bytes, 14);
        const auto signedHeight = static_cast<std::int32_t>(le32(bytes, 22));
        const int bits = bytes[28] | bytes[29] << 8;
        if (infoSize < 40 || (bits != 8 && bits != 24) || le32(bytes, 30) != 0)
            return false;
        width = le32(bytes, 18);
        height = static_cast<std::size_t>(std::llabs(signedHeight));
        bottomUp = signedHeight > 0;
        bytesPerPixel = bits / 8;
        palette = 14 + std::size_t(infoSize);
        pixels = le32(bytes, 10);
        rowSize = (width * std::size_t(bytesPerPixel) + 3) / 4 * 4;
        const bool paletteFits = bits != 8 || (palette <= pixels && pixels - palette >= 256 * 4);
        return width > 0 && width <= 0x7FFFFFFF && height > 0 && paletteFits && pixels <= bytes.size()
            && (bytes.size() - pixels) / rowSize >= height;
    }

    const unsigned char* row(const std::vector<unsigned char>& bytes, std::size_t y) const
    {
        return bytes.data() + pixels + rowSize * (bottomUp ? height - 1 - y : y);
    }
};

// The source positions of `samples` points spread evenly over the source cells [first, last).
std::vector<std::size_t> samplePositions(std::size_t source, int target, int at)
{
    const std::size_t first = source * std::size_t(at) / std::size_t(target);
    const std::size_t last = std::max(first + 1, source * std::size_t(at + 1) / std::size_t(target));
    const std::size_t samples = std::min<std::size_t>(MaxSamplesPerSide, last - first);
    std::vector<std::size_t> positions;
    for (std::size_t k = 0; k < samples; ++k)
        positions.push_back(first + (2 * k + 1) * (last - first) / (2 * samples));
    return positions;
}

} // namespace

TPreviewPicture TPreviewPicture::sampledFrom(const std::vector<unsigned char>& bitmap, int width, int height)
{
    BitmapLayout layout;
    if (width <= 0 || height <= 0 || !layout.read(bitmap))
        return {};
    std::vector<std::vector<std::size_t>> columns;
    for (int x = 0; x < width; ++x)
        columns.push_back(samplePositions(layout.width, width, x));

    TPreviewPicture preview { width, height, std::vector<std::uint32_t>(std::size_t(width) * height) };
    std::uint32_t* out = preview.pixels.data();
    for (int y = 0; y < height; ++y) {
        const std::vector<std::size_t> rows = samplePositions(layout.height, height, y);
        for (int x = 0; x < width; ++x) {
            unsigned red = 0, green = 0, blue = 0, count = 0;
            for (std::size_t sourceY : rows) {
                const unsigned char* row = layout.row(bitmap, sourceY);
                for (std::size_t sourceX : columns[std::size_t(x)]) {
                    const unsigned char* colour = layout.bytesPerPixel == 1
                        ? bitmap.data() + layout.palette + 4 * std::size_t(row[sourceX])
                        : row + 3 * sourceX;
                    blue += colour[0];
                    green += colour[1];
                    red += colour[2];
                    ++count;
                }
            }
            auto average = [count](unsigned sum) { return (sum + count / 2) / count; };
            *out++ = 0xFF000000u | (average(red) << 16) | (average(green) << 8) | average(blue);
        }
    }
    return preview;
}
