#pragma once

#include <string>

// Hand-built Windows bitmap files for the logo tests. The pixels are a diagonal pattern over the
// colour table (or over grey levels for true colour), so two pictures of the same shape decode alike.
struct BitmapShape {
    int width = 320;
    int height = 400;
    int bits = 8;
    int colours = 256; // entries in the colour table; true colour has none
    bool runLengths = false; // RLE8, 8 bits only
    bool topDown = false; // negative height
};

inline void appendLittleEndian(std::string& bytes, long long value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
}

inline int patternIndex(int x, int y, int colours)
{
    return (x / 8 + y / 8) % colours;
}

inline std::string bitmapBytes(const BitmapShape& shape)
{
    const int colours = shape.bits <= 8 ? shape.colours : 0;
    std::string pixels;
    for (int row = 0; row < shape.height; ++row) {
        int y = shape.topDown ? row : shape.height - 1 - row; // rows are stored bottom-up
        if (shape.runLengths) {
            for (int x = 0; x < shape.width; x += 8) {
                pixels += static_cast<char>(8); // a run of 8 pixels of one index
                pixels += static_cast<char>(patternIndex(x, y, colours));
            }
            pixels += std::string("\0\0", 2); // end of line
            continue;
        }
        std::string line;
        int accumulated = 0, filled = 0;
        for (int x = 0; x < shape.width; ++x) {
            int index = colours ? patternIndex(x, y, colours) : (x + y) % 256;
            if (shape.bits >= 24) {
                line.append(3, static_cast<char>(index));
                if (shape.bits == 32)
                    line += '\0';
                continue;
            }
            accumulated = (accumulated << shape.bits) | index;
            filled += shape.bits;
            if (filled == 8) {
                line += static_cast<char>(accumulated);
                accumulated = filled = 0;
            }
        }
        if (filled)
            line += static_cast<char>(accumulated << (8 - filled));
        line.append((4 - line.size() % 4) % 4, '\0');
        pixels += line;
    }
    if (shape.runLengths)
        pixels += std::string("\0\1", 2); // end of picture

    std::string bytes = "BM";
    long long offset = 14 + 40 + 4LL * colours;
    appendLittleEndian(bytes, offset + static_cast<long long>(pixels.size()), 4);
    appendLittleEndian(bytes, 0, 4);
    appendLittleEndian(bytes, offset, 4);
    appendLittleEndian(bytes, 40, 4);
    appendLittleEndian(bytes, shape.width, 4);
    appendLittleEndian(bytes, shape.topDown ? -shape.height : shape.height, 4);
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, shape.bits, 2);
    appendLittleEndian(bytes, shape.runLengths ? 1 : 0, 4);
    appendLittleEndian(bytes, static_cast<long long>(pixels.size()), 4);
    appendLittleEndian(bytes, 2835, 4);
    appendLittleEndian(bytes, 2835, 4);
    appendLittleEndian(bytes, colours, 4);
    appendLittleEndian(bytes, 0, 4);
    for (int i = 0; i < colours; ++i) {
        bytes += static_cast<char>(255 - i); // blue
        bytes += static_cast<char>(i * 7); // green
        bytes += static_cast<char>(i); // red
        bytes += '\0';
    }
    return bytes + pixels;
}

// The header field a test reads back: a little-endian number at `offset`.
inline long long fieldAt(const std::string& bytes, std::size_t offset, int count)
{
    long long value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(offset + static_cast<std::size_t>(i)));
    return value;
}
