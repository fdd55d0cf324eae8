#pragma once

#include "convert/gif/TByteArray2D.h"
#include "convert/gif/TGifColorTable.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TGifProgress;
class TGifReader;

// One image of a GIF file: its descriptor, colour table, compressed data and decoded pixels.
class TGifSubImage {
public:
    // The count is the file's global table count; only 2, 16 and 256 are accepted.
    explicit TGifSubImage(int colorCount);

    // Reads the image that follows an already consumed "," and decodes it. The file's earlier images
    // hold `pixelBytesTaken` bytes of pixels; when this one would bring them above `pixelByteLimit`
    // the read ends with ENotEnoughMemory.
    void ReadFrom(TGifReader& reader, TGifProgress& progress, std::size_t pixelBytesTaken, std::size_t pixelByteLimit);
    void Decode(TGifProgress& progress);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasLocalColorTable() const { return (flags_ & 0x80) != 0; }
    bool Interlaced() const { return (flags_ & 0x40) != 0; }
    const TGifColorTable& LocalColorTable() const { return localColorTable_; }
    int CodeSize() const { return codeSize_; }
    const std::vector<std::uint8_t>& CompressedData() const { return compressedData_; }
    const TByteArray2D& Pixels() const { return pixels_; }

private:
    void ReadDescriptor(TGifReader& reader);
    void ReadDataBlocks(TGifReader& reader);

    std::uint16_t left_ = 0;
    std::uint16_t top_ = 0;
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    std::uint8_t flags_ = 0;
    TGifColorTable localColorTable_;
    std::uint8_t codeSize_ = 0;
    std::vector<std::uint8_t> compressedData_;
    TByteArray2D pixels_ { 0, 0 };
};
