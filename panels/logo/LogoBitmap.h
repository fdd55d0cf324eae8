#pragma once

#include <QImage>
#include <string>

// The bits per pixel that a Windows bitmap file's header declares; 0 when the file can't be read
// or holds no bitmap header.
int declaredBitsPerPixel(const std::string& path);

// A decoded picture written out again as a Windows bitmap file. A picture decoded from an 8-bit
// file stays 8 bits per pixel with its own colour table, uncompressed, whatever the table's
// length; any other picture is written the way the picture toolkit writes it (a 4-bit source
// stays 4 bits, true colour becomes 24 bits).
std::string bitmapFileBytes(const QImage& picture, int sourceBitsPerPixel);
