#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Wave files built byte by byte for the player's tests.
namespace wavefiles {

inline void put16(std::string& out, unsigned value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8 & 0xFF);
}

inline void put32(std::string& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// "RIFF" size "WAVE", a 16-byte "fmt " chunk, then "data" with `samples` (its size as given, or
// the real one).
inline std::string wave(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits, const std::string& samples,
    std::uint32_t dataSize = 0xFFFFFFFF)
{
    std::string out = "RIFF";
    put32(out, static_cast<std::uint32_t>(36 + samples.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, tag); // 1 PCM, 3 float, 6 a-law, 7 mu-law
    put16(out, channels);
    put32(out, rate);
    put32(out, rate * channels * bits / 8); // bytes per second
    put16(out, channels * bits / 8); // block align
    put16(out, bits);
    out += "data";
    put32(out, dataSize == 0xFFFFFFFF ? static_cast<std::uint32_t>(samples.size()) : dataSize);
    return out + samples;
}

// One IMA ADPCM block of 256 bytes: the first sample 1000 and step index 0 in its header, then
// 504 codes of 0, which keep the sample at 1000: 505 samples of 1000 when decoded.
inline std::string imaAdpcmWave()
{
    std::string out = "RIFF";
    put32(out, 4 + 28 + 8 + 256);
    out += "WAVEfmt ";
    put32(out, 20);
    put16(out, 0x11);
    put16(out, 1); // channels
    put32(out, 8000);
    put32(out, 4055); // bytes per second
    put16(out, 256); // block align
    put16(out, 4); // bits
    put16(out, 2); // extra bytes
    put16(out, 505); // samples per block
    out += "data";
    put32(out, 256);
    put16(out, 1000);
    out += std::string(2, '\0');
    return out + std::string(252, '\0');
}

// 16-bit samples that are never 0, so they stand out from the silence around them.
inline std::string ramp16(std::size_t count)
{
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        put16(out, static_cast<unsigned>(1 + i % 30000));
    return out;
}

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace wavefiles
