#pragma once

#include <cstddef>
#include <cstdint>

class TGifRowWriter;

// The variable-width LZW of GIF image data, with fixed tables of 4096 codes. Each code keeps its
// string's length, first byte and last chunk of up to 8 bytes, and points to the code that holds
// the chunk before; a string is written back to front, a chunk at a time, straight into the row.
class TGifLzwDecoder {
public:
    // Decodes `size` bytes of image data with the minimum code size `codeSize` into `out`,
    // up to the end code. Throws EGifException, or EIndexOutOfBounds from `out`.
    void Decode(const std::uint8_t* data, std::size_t size, int codeSize, TGifRowWriter& out);

private:
    static constexpr unsigned TableSize = 4096;
    static constexpr int MaxWidth = 12;
    static constexpr unsigned Chunk = 8;

    struct State;

    void AddEntry(State& s, unsigned lead);
    void Emit(State& s, unsigned code, TGifRowWriter& out);
    static void Sync(State& s, TGifRowWriter& out);

    // prefix_: the code whose string is this one without its last chunk; lengthLess1_: the string's
    // length - 1, so its last chunk starts at lengthLess1_ & ~7.
    std::uint16_t prefix_[TableSize] {};
    std::uint16_t lengthLess1_[TableSize] {};
    std::uint8_t first_[TableSize] {};
    alignas(Chunk) std::uint8_t chunk_[TableSize][Chunk] {};
    // Strings that do not fit in the rest of the row are put together here; chunks may run 7 bytes over.
    std::uint8_t stack_[TableSize + Chunk] {};
};
