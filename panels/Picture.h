#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A picture as the panels keep it for drawing: rows top-down, one 0xAARRGGBB colour a pixel
// (opaque), the layout of both a QImage in RGB32 and a top-down 32-bit Windows DIB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool isNull() const { return pixels.empty(); }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool operator==(const Picture&) const = default;
};

// The picture drawn stretched to `width` x `height`: each pixel the average of the part of the
// picture it covers. A very large picture is first thinned out cheaply to a few times the size,
// so that the averaging costs little next to the decoding. Null for an empty size or picture.
Picture stretchedPicture(const Picture& picture, int width, int height);
