#pragma once

#include "convert/gif/GifTestBytes.h"

#include <vector>

// Hand-built GIF files, field by field.
inline std::vector<unsigned char> twoPixelGif()
{
    return {
        'G', 'I', 'F', '8', '9', 'a', // signature and version
        2, 0, 1, 0, // logical screen 2 x 1
        0x80, 0, 0, // global colour table of 2 entries, background 0, aspect 0
        255, 0, 0, 0, 0, 255, // entry 0 red, entry 1 blue
        ',', 0, 0, 0, 0, 2, 0, 1, 0, 0, // image at 0, 0, 2 x 1, no local table, not interlaced
        2, // LZW minimum code size
        2, 0x44, 0x0A, // 3-bit codes clear(4), 0, 1, end(5), least significant bit first
        0, // block terminator
        ';', // trailer
    };
}

inline std::vector<unsigned char> gifWithoutImage()
{
    return { 'G', 'I', 'F', '8', '7', 'a', 2, 0, 1, 0, 0x80, 0, 0, 255, 0, 0, 0, 0, 255, ';' };
}

// A width x height GIF (up to 65535 each) whose upper half (rows rounded down) is red and lower half
// blue, in a few kilobytes; callers link zentrel_gif_test_bytes.
inline std::vector<unsigned char> redOverBlueGif(int width, int height)
{
    GifBuilder gif;
    gif.Header().Screen(0x80).Raw({ 255, 0, 0, 0, 0, 255 });
    const std::size_t upper = std::size_t(width) * std::size_t(height / 2);
    const std::size_t lower = std::size_t(width) * std::size_t(height) - upper;
    gif.Image(width, height, 0, 2, runStream(2, { { 0, upper }, { 1, lower } })).Trailer();
    return gif.Data();
}
