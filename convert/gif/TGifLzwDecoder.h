#pragma once

#include <cstddef>
#include <cstdint>

class TGifRowWriter;

// The variable-width LZW of GIF image data, with fixed tables of 4096 codes. Each code keeps the
// length and first byte of its string, so a string is written back to front straight into the row.
class TGifLzwDecoder {
public:
    // Decodes `size` bytes of image data with the minimum code size `codeSize` into `out`,
    // up to the end code. Throws EGifException, or EIndexOutOfBounds from `out`.
    void Decode(const std::uint8_t* data, std::size_t size, int codeSize, TGifRowWriter& out);

private:
    static constexpr unsigned TableSize = 4096;
    static constexpr int MaxWidth = 12;

    void Emit(unsigned code, TGifRowWriter& out);
    void AddEntry(unsigned lead);

    unsigned clear_ = 0;
    unsigned next_ = 0;
    unsigned old_ = 0;
    unsigned limit_ = 0;
    int width_ = 0;
    bool overflow_ = false;
    std::uint16_t prefix_[TableSize];
    std::uint16_t length_[TableSize];
    std::uint8_t suffix_[TableSize];
    std::uint8_t first_[TableSize];
    std::uint8_t stack_[TableSize];
};
