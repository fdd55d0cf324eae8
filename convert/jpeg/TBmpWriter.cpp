#include "convert/jpeg/TBmpWriter.h"

namespace {
constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t infoHeaderSize = 40;
constexpr int tableEntries = 256;
} // namespace

std::size_t TBmpWriter::rowSize(int width, int bitsPerPixel)
{
    return (static_cast<std::size_t>(width) * (bitsPerPixel / 8) + 3) / 4 * 4;
}

std::size_t TBmpWriter::headerSize(int bitsPerPixel)
{
    return fileHeaderSize + infoHeaderSize + (bitsPerPixel == 8 ? tableEntries * 4 : 0);
}

TBmpWriter::TBmpWriter(int width, int height, int bitsPerPixel, int xPixelsPerMetre, int yPixelsPerMetre)
    : width(width)
    , height(height)
    , bitsPerPixel(bitsPerPixel)
    , bytes(headerSize(bitsPerPixel) + rowSize(width, bitsPerPixel) * height, 0)
{
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size()));
    put32(10, static_cast<std::uint32_t>(headerSize(bitsPerPixel)));
    put32(14, infoHeaderSize);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    put16(26, 1);
    put16(28, static_cast<std::uint16_t>(bitsPerPixel));
    put32(38, static_cast<std::uint32_t>(xPixelsPerMetre));
    put32(42, static_cast<std::uint32_t>(yPixelsPerMetre));
    put32(46, bitsPerPixel == 8 ? tableEntries : 0);
}

void TBmpWriter::setColorTable(const unsigned char* const* colormap, int colors, int channels)
{
    std::size_t at = fileHeaderSize + infoHeaderSize;
    for (int i = 0; i < colors && i < tableEntries; ++i, at += 4) {
        bool grey = channels == 1;
        bytes[at] = colormap[grey ? 0 : 2][i];
        bytes[at + 1] = colormap[grey ? 0 : 1][i];
        bytes[at + 2] = colormap[0][i];
    }
}

void TBmpWriter::setGreyRamp()
{
    unsigned char levels[tableEntries];
    for (int i = 0; i < tableEntries; ++i)
        levels[i] = static_cast<unsigned char>(i);
    const unsigned char* channels[1] = { levels };
    setColorTable(channels, tableEntries, 1);
}

unsigned char* TBmpWriter::row(int y)
{
    return bytes.data() + headerSize(bitsPerPixel) + rowSize(width, bitsPerPixel) * (height - 1 - y);
}

void TBmpWriter::setRowFromSamples(int y, const unsigned char* samples, int channels)
{
    unsigned char* out = row(y);
    for (int x = 0; x < width; ++x, out += 3, samples += channels) {
        out[0] = samples[channels == 1 ? 0 : 2];
        out[1] = samples[channels == 1 ? 0 : 1];
        out[2] = samples[0];
    }
}

void TBmpWriter::put16(std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<unsigned char>(value);
    bytes[at + 1] = static_cast<unsigned char>(value >> 8);
}

void TBmpWriter::put32(std::size_t at, std::uint32_t value)
{
    put16(at, static_cast<std::uint16_t>(value));
    put16(at + 2, static_cast<std::uint16_t>(value >> 16));
}
