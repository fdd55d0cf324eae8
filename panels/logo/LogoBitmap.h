#pragma once

#include "cycle/FileDescriptor.h"

#include <cstddef>
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

// What a bitmap file's header declares.
struct LogoBitmapHeader {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// A Windows bitmap file opened for the logo: the name judged, the file measured and its header
// read, and nothing more until decode(), so a header that claims a huge picture costs nothing.
// A logo file is a bitmap under another name: ".sys" is taken when the content starts with "BM".
class LogoBitmapFile {
public:
    // Throws "Unknown picture file extension (.%s)" for a name that doesn't end in ".bmp" or
    // ".sys" (in any case) and for a ".sys" file that is no bitmap, "Cannot open file %s", and
    // "Bitmap image is not valid" for a header that is none or claims more than the file holds.
    explicit LogoBitmapFile(const std::string& path);

    std::size_t size() const { return m_size; }
    const LogoBitmapHeader& header() const { return m_header; }

    // Reads the rest of the file and decodes it: 1, 4, 8, 16, 24 or 32 bits per pixel, bottom-up
    // or top-down, RLE8, RLE4 and bit-field masks. A picture cut short is not valid. Once only.
    LogoBitmap decode();

private:
    std::string m_path;
    FileDescriptor m_file;
    std::size_t m_size = 0;
    std::string m_bytes;
    LogoBitmapHeader m_header;
};

// The whole file decoded, with the errors of LogoBitmapFile.
LogoBitmap readLogoBitmap(const std::string& path);
// The same from the file's bytes: throws only "Bitmap image is not valid".
LogoBitmap decodeLogoBitmap(std::string bytes);

// The picture written out again as an uncompressed, bottom-up Windows bitmap file. A picture of
// 8 bits per pixel or fewer stays in its own depth with its own colour table, whatever the
// table's length; any other becomes 24 bits per pixel.
std::string bitmapFileBytes(const LogoBitmap& picture);
