#pragma once

#include <cstdint>
#include <vector>

// The picture the preview box shows, made at the box's own size straight from the held bitmap, so
// that a picture of any size costs the preview only the box's pixels.
struct TPreviewPicture {
    int width = 0;
    int height = 0;
    // 0xFFRRGGBB, row after row from the top.
    std::vector<std::uint32_t> pixels;

    bool empty() const { return pixels.empty(); }

    // `bitmap` is a Windows bitmap file of 8 bits per pixel with a colour table, or of 24 bits per
    // pixel. Each preview pixel averages a few samples spread over the part of the picture it
    // covers; at the picture's own size it is that pixel. A bitmap that does not hold what its
    // header says gives an empty preview.
    static TPreviewPicture sampledFrom(const std::vector<unsigned char>& bitmap, int width, int height);
};
