#pragma once

#include "convert/gif/EGifException.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

// Reads the variable-width codes of GIF image data, least significant bit first. Whole 64-bit words
// are loaded while the data last, so there is no branch per byte.
class TGifBitReader {
public:
    TGifBitReader(const std::uint8_t* data, std::size_t size)
        : next_(data)
        , end_(data + size)
    {
    }

    // Throws EGifException("No data while more was expected") when the data end inside the code.
    unsigned Read(int width)
    {
        if (end_ - next_ >= 8) {
            // Tops the buffer up to 56..63 bits; the bits of a partly taken byte are loaded again
            // next time, at the same places.
            std::uint64_t word;
            std::memcpy(&word, next_, sizeof word);
            if constexpr (std::endian::native == std::endian::big)
                word = __builtin_bswap64(word);
            bits_ |= word << count_;
            next_ += (63 - count_) >> 3;
            count_ |= 56;
        } else if (count_ < width) {
            RefillLastBytes(width);
        }
        unsigned code = static_cast<unsigned>(bits_) & ((1u << width) - 1);
        bits_ >>= width;
        count_ -= width;
        return code;
    }

private:
    void RefillLastBytes(int width)
    {
        while (count_ < width) {
            if (next_ == end_)
                throw EGifException("No data while more was expected");
            bits_ |= std::uint64_t(*next_++) << count_;
            count_ += 8;
        }
    }

    const std::uint8_t* next_;
    const std::uint8_t* end_;
    std::uint64_t bits_ = 0;
    int count_ = 0;
};
