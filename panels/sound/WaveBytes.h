#pragma once

#include <cstdint>

// Unsigned numbers of 1 to 8 bytes from a wave file, in either byte order.
inline std::uint64_t readUnsigned(const unsigned char* at, int bytes, bool bigEndian)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint64_t>(at[bigEndian ? bytes - 1 - i : i]) << (8 * i);
    return value;
}

inline std::uint16_t readWord(const unsigned char* at, bool bigEndian = false)
{
    return static_cast<std::uint16_t>(readUnsigned(at, 2, bigEndian));
}

inline std::uint32_t readDword(const unsigned char* at, bool bigEndian = false)
{
    return static_cast<std::uint32_t>(readUnsigned(at, 4, bigEndian));
}
