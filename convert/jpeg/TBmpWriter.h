#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Builds a Windows bitmap file in memory: 8 bits per pixel with a 256-entry colour table, or 24
// bits per pixel with none. Rows are given top-down and stored bottom-up, as the format wants.
class TBmpWriter {
public:
    TBmpWriter(int width, int height, int bitsPerPixel, int xPixelsPerMetre, int yPixelsPerMetre);

    // colormap[channel][index]: one channel for grey levels, three (red, green, blue) for colours.
    void setColorTable(const unsigned char* const* colormap, int colors, int channels);
    void setGreyRamp();
    unsigned char* row(int y);
    void setRowFromSamples(int y, const unsigned char* samples, int channels);
    std::vector<unsigned char> take() { return std::move(bytes); }

    static std::size_t rowSize(int width, int bitsPerPixel);
    static std::size_t headerSize(int bitsPerPixel);

private:
    void put16(std::size_t at, std::uint16_t value);
    void put32(std::size_t at, std::uint32_t value);

    int width;
    int height;
    int bitsPerPixel;
    std::vector<unsigned char> bytes;
};
