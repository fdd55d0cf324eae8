#pragma once

#include <cstdint>
#include <vector>

// giflib as the reference decoder and as an independent encoder for test and benchmark files.
namespace giflib {

using Bytes = std::vector<std::uint8_t>;

struct Frame {
    int width = 1;
    int height = 1;
    bool interlaced = false;
    int localColors = 0; // 0: no local table
    bool graphicControl = false;
    Bytes pixels; // width x height indices, row after row
};

struct Picture {
    int globalColors = 256; // 0: no global table
    bool comment = false;
    std::vector<Frame> frames;
};

// The picture as a GIF file written by EGifSpew.
Bytes encode(const Picture& picture);

// The index matrices DGifSlurp reads from `gif`, one per image; false when giflib fails.
bool decode(const Bytes& gif, std::vector<Bytes>& rasters);

} // namespace giflib
