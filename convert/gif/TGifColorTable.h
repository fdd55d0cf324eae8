#pragma once

#include <cstdint>

// A colour table as GIF stores it: red, green, blue per entry, with the count of entries in use.
struct TGifColorTable {
    std::uint8_t Entries[256][3] {};
    std::int32_t Count = 0;

    // Sets the count and, for 2, 16 and 256 entries, the default palette of that size.
    void InitDefault(int count);
};
