#include "convert/gif/TGifLzwDecoder.h"

#include "convert/gif/EGifException.h"
#include "convert/gif/TGifBitReader.h"
#include "convert/gif/TGifRowWriter.h"

#include <cstring>

// The decoding state lives in locals rather than members: the byte stores into rows may alias
// any member, which would make the compiler reload the state after every pixel.
struct TGifLzwDecoder::State {
    unsigned next;
    unsigned limit;
    unsigned old;
    int width;
    bool overflow;
    // Where the current row continues, and what is left of it, ahead of what `out` has been told.
    std::uint8_t* cursor;
    std::size_t room;
};

inline void TGifLzwDecoder::AddEntry(State& s, unsigned lead)
{
    const unsigned lengthLess1 = lengthLess1_[s.old] + 1u;
    const unsigned at = lengthLess1 % Chunk;
    lengthLess1_[s.next] = static_cast<std::uint16_t>(lengthLess1);
    first_[s.next] = first_[s.old];
    // A string whose length passes a multiple of 8 starts a new chunk after the old string.
    prefix_[s.next] = static_cast<std::uint16_t>(at != 0 ? prefix_[s.old] : s.old);
    std::memcpy(chunk_[s.next], chunk_[s.old], Chunk);
    chunk_[s.next][at] = static_cast<std::uint8_t>(lead);
    if (++s.next == s.limit) {
        if (s.width == MaxWidth) {
            s.overflow = true;
        } else {
            s.limit <<= 1;
            ++s.width;
        }
    }
}

inline void TGifLzwDecoder::Sync(State& s, TGifRowWriter& out)
{
    if (const std::size_t written = std::size_t(s.cursor - out.Cursor()); written > 0)
        out.Advance(written);
    s.cursor = out.Cursor();
    s.room = out.Room();
}

inline void TGifLzwDecoder::Emit(State& s, unsigned code, TGifRowWriter& out)
{
    const std::size_t length = lengthLess1_[code] + 1u;
    std::size_t at = lengthLess1_[code] & ~std::size_t(Chunk - 1);
    const bool fitsInRow = at + Chunk <= s.room;
    std::uint8_t* start = fitsInRow ? s.cursor : stack_;
    // Table entries always point to a lower code, so this walk ends at the first chunk.
    for (;;) {
        std::memcpy(start + at, chunk_[code], Chunk);
        if (at == 0)
            break;
        at -= Chunk;
        code = prefix_[code];
    }
    if (fitsInRow) {
        s.cursor += length;
        s.room -= length;
        if (s.room == 0)
            Sync(s, out);
    } else {
        Sync(s, out);
        out.Write(stack_, length);
        s.cursor = out.Cursor();
        s.room = out.Room();
    }
}

void TGifLzwDecoder::Decode(const std::uint8_t* data, std::size_t size, int codeSize, TGifRowWriter& out)
{
    if (codeSize < 2 || codeSize > 9)
        throw EGifException("Bad code Size");
    const unsigned clear = 1u << codeSize;
    const unsigned end = clear + 1;
    for (unsigned c = 0; c < clear; ++c) {
        prefix_[c] = 0;
        lengthLess1_[c] = 0;
        chunk_[c][0] = first_[c] = static_cast<std::uint8_t>(c);
    }
    State s { 0, 0, 0, 0, false, out.Cursor(), out.Room() };
    auto restart = [&] {
        s.width = codeSize + 1;
        s.next = end + 1;
        s.limit = 1u << s.width;
    };
    // The first code after a clear code stands alone: it adds no table entry, and a code that is not
    // yet in the table is taken as 0. Data that do not begin with a clear code start the same way.
    auto takeFirstCode = [&](unsigned code) {
        if (code >= s.next)
            code = 0;
        Emit(s, code, out);
        s.old = code;
    };

    TGifBitReader bits(data, size);
    restart();
    unsigned code = bits.Read(s.width);
    if (code != clear && code != end) {
        takeFirstCode(code);
        code = bits.Read(s.width);
    }
    for (;;) {
        if (code - clear < 2 || code > s.next) {
            if (code == end)
                break;
            if (code != clear)
                throw EGifException("Bad code");
            restart();
            do
                code = bits.Read(s.width);
            while (code == clear);
            if (code == end)
                throw EGifException("Bad code");
            takeFirstCode(code);
        } else {
            // A code equal to the next free one is the old string followed by its own first byte.
            AddEntry(s, code < s.next ? first_[code] : first_[s.old]);
            Emit(s, code, out);
            s.old = code;
        }
        code = bits.Read(s.width);
        if (s.overflow) {
            if (code != clear)
                throw EGifException("Code size overflow");
            s.overflow = false;
        }
    }
    Sync(s, out);
    out.Finish();
}
