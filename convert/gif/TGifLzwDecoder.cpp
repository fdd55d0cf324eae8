#include "convert/gif/TGifLzwDecoder.h"

#include "convert/gif/EGifException.h"
#include "convert/gif/TGifBitReader.h"
#include "convert/gif/TGifRowWriter.h"

#include <cstring>

// Both run once per code; kept inline in the decoding loop.
inline void TGifLzwDecoder::AddEntry(unsigned lead)
{
    const unsigned lengthLess1 = lengthLess1_[old_] + 1u;
    const unsigned at = lengthLess1 % Chunk;
    lengthLess1_[next_] = static_cast<std::uint16_t>(lengthLess1);
    first_[next_] = first_[old_];
    if (at != 0) {
        prefix_[next_] = prefix_[old_];
        std::memcpy(chunk_[next_], chunk_[old_], Chunk);
    } else {
        prefix_[next_] = static_cast<std::uint16_t>(old_);
    }
    chunk_[next_][at] = static_cast<std::uint8_t>(lead);
    ++next_;
    if (next_ == limit_) {
        if (width_ == MaxWidth) {
            overflow_ = true;
        } else {
            limit_ <<= 1;
            ++width_;
        }
    }
}

inline void TGifLzwDecoder::Emit(unsigned code, TGifRowWriter& out)
{
    const std::size_t length = lengthLess1_[code] + 1u;
    std::size_t at = lengthLess1_[code] & ~std::size_t(Chunk - 1);
    // Table entries always point to a lower code, so this walk ends at the first chunk.
    const bool fitsInRow = at + Chunk <= out.Room();
    std::uint8_t* start = fitsInRow ? out.Cursor() : stack_;
    for (;;) {
        std::memcpy(start + at, chunk_[code], Chunk);
        if (at == 0)
            break;
        at -= Chunk;
        code = prefix_[code];
    }
    if (fitsInRow)
        out.Advance(length);
    else
        out.Write(stack_, length);
}

void TGifLzwDecoder::Decode(const std::uint8_t* data, std::size_t size, int codeSize, TGifRowWriter& out)
{
    if (codeSize < 2 || codeSize > 9)
        throw EGifException("Bad code Size");
    clear_ = 1u << codeSize;
    const unsigned end = clear_ + 1;
    for (unsigned c = 0; c < clear_; ++c) {
        prefix_[c] = 0;
        lengthLess1_[c] = 0;
        chunk_[c][0] = first_[c] = static_cast<std::uint8_t>(c);
    }
    auto restart = [&] {
        width_ = codeSize + 1;
        next_ = end + 1;
        limit_ = 1u << width_;
    };
    // The first code after a clear code stands alone: it adds no table entry, and a code that is not
    // yet in the table is taken as 0. Data that do not begin with a clear code start the same way.
    auto takeFirstCode = [&](unsigned code) {
        if (code >= next_)
            code = 0;
        Emit(code, out);
        old_ = code;
    };

    TGifBitReader bits(data, size);
    restart();
    overflow_ = false;
    old_ = 0;
    unsigned code = bits.Read(width_);
    if (code != clear_ && code != end) {
        takeFirstCode(code);
        code = bits.Read(width_);
    }
    while (code != end) {
        if (code == clear_) {
            restart();
            do
                code = bits.Read(width_);
            while (code == clear_);
            if (code == end)
                throw EGifException("Bad code");
            takeFirstCode(code);
        } else {
            if (code > next_)
                throw EGifException("Bad code");
            // A code equal to the next free one is the old string followed by its own first byte.
            AddEntry(code < next_ ? first_[code] : first_[old_]);
            Emit(code, out);
            old_ = code;
        }
        code = bits.Read(width_);
        if (overflow_) {
            if (code != clear_)
                throw EGifException("Code size overflow");
            overflow_ = false;
        }
    }
    out.Finish();
}
