#include "panels/logo/LogoBitmap.h"

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t infoHeaderSize = 40;
constexpr unsigned pixelsPerMetre = 2835; // 72 dpi

void append(std::string& bytes, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
}

int writtenBits(const LogoBitmap& picture)
{
    return picture.indexed() ? picture.bitsPerPixel : 24;
}

std::string rowBytes(const LogoBitmap& picture, int y, std::size_t rowSize)
{
    std::string row;
    row.reserve(rowSize);
    const std::size_t first = static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width);
    if (!picture.indexed()) {
        for (int x = 0; x < picture.width; ++x) {
            std::uint32_t colour = picture.pixels[first + static_cast<std::size_t>(x)];
            row += static_cast<char>(colour & 0xff);
            row += static_cast<char>((colour >> 8) & 0xff);
            row += static_cast<char>((colour >> 16) & 0xff);
        }
    } else if (picture.bitsPerPixel == 8) {
        row.append(
            reinterpret_cast<const char*>(picture.indices.data() + first), static_cast<std::size_t>(picture.width));
    } else {
        const int bits = picture.bitsPerPixel;
        unsigned accumulated = 0;
        int filled = 0;
        for (int x = 0; x < picture.width; ++x) {
            accumulated
                = (accumulated << bits) | (picture.indices[first + static_cast<std::size_t>(x)] & ((1u << bits) - 1));
            filled += bits;
            if (filled == 8) {
                row += static_cast<char>(accumulated);
                accumulated = 0;
                filled = 0;
            }
        }
        if (filled)
            row += static_cast<char>(accumulated << (8 - filled));
    }
    row.append(rowSize - row.size(), '\0');
    return row;
}

} // namespace

std::uint32_t LogoBitmap::colourAt(int x, int y) const
{
    std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    if (!indexed())
        return pixels[at];
    return indices[at] < colours.size() ? colours[indices[at]] : 0;
}

std::string bitmapFileBytes(const LogoBitmap& picture)
{
    const int bits = writtenBits(picture);
    const std::size_t width = static_cast<std::size_t>(picture.width);
    const std::size_t height = static_cast<std::size_t>(picture.height);
    const std::size_t rowSize = (width * static_cast<std::size_t>(bits) + 31) / 32 * 4;
    const std::size_t tableSize = picture.indexed() ? 4 * picture.colours.size() : 0;
    const std::size_t pixelOffset = fileHeaderSize + infoHeaderSize + tableSize;
    const std::size_t fileSize = pixelOffset + rowSize * height;

    std::string bytes;
    bytes.reserve(fileSize);
    bytes += "BM";
    append(bytes, static_cast<std::uint32_t>(fileSize), 4);
    append(bytes, 0, 4); // reserved
    append(bytes, static_cast<std::uint32_t>(pixelOffset), 4);
    append(bytes, infoHeaderSize, 4);
    append(bytes, static_cast<std::uint32_t>(width), 4);
    append(bytes, static_cast<std::uint32_t>(height), 4); // positive: rows stored bottom-up
    append(bytes, 1, 2); // planes
    append(bytes, static_cast<std::uint32_t>(bits), 2);
    append(bytes, 0, 4); // uncompressed
    append(bytes, static_cast<std::uint32_t>(rowSize * height), 4);
    append(bytes, pixelsPerMetre, 4);
    append(bytes, pixelsPerMetre, 4);
    append(bytes, static_cast<std::uint32_t>(tableSize / 4), 4);
    append(bytes, 0, 4); // all colours important
    if (picture.indexed()) {
        for (std::uint32_t colour : picture.colours) {
            append(bytes, colour & 0xffffff, 3); // blue, green, red
            bytes += '\0';
        }
    }
    for (int y = picture.height; y-- > 0;)
        bytes += rowBytes(picture, y, rowSize);
    return bytes;
}
