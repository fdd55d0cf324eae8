#pragma once

#include "convert/gif/EGifException.h"

#include <cstddef>
#include <cstdint>

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
        if (count_ < width)
            Refill(width);
        unsigned code = static_cast<unsigned>(bits_) & ((1u << width) - 1);
        bits_ >>= width;
        count_ -= width;
        return code;
    }

private:
    void Refill(int width)
    {
        if (end_ - next_ >= 8) {
            std::uint64_t word = 0;
            for (int i = 0; i < 8; ++i)
                word |= std::uint64_t(next_[i]) << (8 * i);
            // The bits of a partly taken byte are loaded again next time, at the same places.
            bits_ |= word << count_;
            int taken = (63 - count_) >> 3;
            next_ += taken;
            count_ += taken * 8;
            return;
        }
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
