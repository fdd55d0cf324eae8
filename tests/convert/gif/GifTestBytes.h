#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Packs LZW codes least significant bit first, widening them exactly when a decoder's table reaches
// the next power of two, so tests can spell out a code stream code by code.
class CodeWriter {
public:
    explicit CodeWriter(int codeSize);

    unsigned ClearCode() const { return 1u << codeSize_; }
    unsigned EndCode() const { return ClearCode() + 1; }
    int Width() const { return width_; }
    unsigned NextFree() const { return next_; }

    CodeWriter& Clear();
    // A data code; every code but the first after a clear adds a table entry.
    CodeWriter& Code(unsigned code);
    CodeWriter& End();
    // Any value at any width, with no effect on the table.
    CodeWriter& Raw(unsigned value, int width);
    const Bytes& Data() const { return bytes_; }

private:
    int codeSize_;
    int width_;
    unsigned next_;
    unsigned limit_;
    bool first_ = true;
    Bytes bytes_;
    std::uint32_t pending_ = 0;
    int pendingBits_ = 0;
};

// Appends the pieces of a GIF file.
class GifBuilder {
public:
    GifBuilder& Header(const std::string& sixBytes = "GIF89a");
    // Logical screen descriptor of a 1 x 1 screen with the given packed flags.
    GifBuilder& Screen(std::uint8_t flags);
    // `count` colour entries; entry i is (i, 2i, 255 - i) modulo 256.
    GifBuilder& Colors(int count);
    // Image descriptor, minimum code size and the data split into sub-blocks of at most 255 bytes.
    GifBuilder& Image(int width, int height, std::uint8_t flags, int codeSize, const Bytes& data);
    GifBuilder& Raw(std::initializer_list<std::uint8_t> bytes);
    GifBuilder& Trailer();
    const Bytes& Data() const { return bytes_; }

private:
    void Word(unsigned value);
    Bytes bytes_;
};

// A stream for `pixels` as the first code after a clear code and then a code per pixel, so every
// pixel is one literal; widens as a decoder does and clears before the table would overflow.
Bytes literalStream(int codeSize, const Bytes& pixels);

// A stream for runs of one colour index each, in order: every run after a clear code as the
// strings of growing length that LZW builds for a repeated byte, so a huge picture of few runs
// stays small.
using Run = std::pair<std::uint8_t, std::size_t>;
Bytes runStream(int codeSize, const std::vector<Run>& runs);
