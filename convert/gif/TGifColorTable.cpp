#include "convert/gif/TGifColorTable.h"

namespace {
constexpr std::uint8_t SixteenColors[16][3] = {
    { 0, 0, 0 },
    { 128, 0, 0 },
    { 0, 128, 0 },
    { 128, 128, 0 },
    { 0, 0, 128 },
    { 128, 0, 128 },
    { 0, 128, 128 },
    { 128, 128, 128 },
    { 192, 192, 192 },
    { 255, 0, 0 },
    { 0, 255, 0 },
    { 255, 255, 0 },
    { 0, 0, 255 },
    { 255, 0, 255 },
    { 0, 255, 255 },
    { 255, 255, 255 },
};
}

void TGifColorTable::InitDefault(int count)
{
    Count = count;
    switch (count) {
    case 2:
        for (auto& channel : Entries[0])
            channel = 0;
        for (auto& channel : Entries[1])
            channel = 255;
        break;
    case 16:
        for (int i = 0; i < 16; ++i)
            for (int c = 0; c < 3; ++c)
                Entries[i][c] = SixteenColors[i][c];
        break;
    case 256:
        for (int i = 0; i < 256; ++i)
            for (auto& channel : Entries[i])
                channel = static_cast<std::uint8_t>(i);
        break;
    default:
        break;
    }
}
