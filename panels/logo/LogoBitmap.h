#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A Windows bitmap decoded for the logo, rows top-down. A picture of 8 bits per pixel or fewer
// keeps its colour table and one index a pixel; any other keeps one 0xRRGGBB colour a pixel.
struct LogoBitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0; // as the file declares it
    std::vector<std::uint32_t> colours; // 0xRRGGBB, only for 8 bits per pixel or fewer
    std::vector<std::uint8_t> indices;
    std::vector<std::uint32_t> pixels;

    bool indexed() const { return bitsPerPixel <= 8; }
    // The colour of a pixel; an index beyond the table is black.
    std::uint32_t colourAt(int x, int y) const;
};

// Reads a Windows bitmap file: 1, 4, 8, 16, 24 or 32 bits per pixel, bottom-up or top-down,
// RLE8, RLE4 and bit-field masks. Throws "Unknown picture file extension (.%s)" before touching a
// file whose name doesn't end in ".bmp" (in any case), then "Cannot open file %s" and
// "Bitmap image is not valid". Pixel rows missing from a cut file read as index or colour 0.
LogoBitmap readLogoBitmap(const std::string& path);
// The same from the file's bytes: throws only "Bitmap image is not valid".
LogoBitmap decodeLogoBitmap(std::string bytes);

// The picture written out again as an uncompressed, bottom-up Windows bitmap file. A picture of
// 8 bits per pixel or fewer stays in its own depth with its own colour table, whatever the
// table's length; any other becomes 24 bits per pixel.
std::string bitmapFileBytes(const LogoBitmap& picture);
