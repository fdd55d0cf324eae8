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

namespace wavefiles {

// Any wave: its container ("RIFF", big-endian "RIFX" or 64-bit "RF64"), format chunk and samples.
struct WaveRecipe {
    std::string riff = "RIFF";
    unsigned tag = 1;
    unsigned channels = 1, rate = 8000, blockAlign = 2, bits = 16;
    int validBits = -1; // 0 or more: WAVE_FORMAT_EXTENSIBLE with this many valid bits
    std::string extra {}; // the format chunk's bytes after its size field, for ADPCM
    std::string data {};

    std::string bytes() const
    {
        bool big = riff == "RIFX";
        auto number = [big](std::string& out, std::uint64_t value, int size) {
            for (int i = 0; i < size; ++i)
                out += static_cast<char>(value >> 8 * (big ? size - 1 - i : i) & 0xFF);
        };
        std::string fmt;
        number(fmt, validBits >= 0 ? 0xFFFE : tag, 2);
        number(fmt, channels, 2);
        number(fmt, rate, 4);
        number(fmt, rate * blockAlign, 4);
        number(fmt, blockAlign, 2);
        number(fmt, bits, 2);
        if (validBits >= 0) {
            number(fmt, 22, 2);
            number(fmt, static_cast<unsigned>(validBits), 2);
            number(fmt, 0, 4); // channel mask
            number(fmt, tag, 4);
            fmt += std::string("\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 12);
        } else if (!extra.empty()) {
            number(fmt, extra.size(), 2);
            fmt += extra;
        }
        std::string body = "WAVE";
        if (riff == "RF64") {
            body += "ds64";
            number(body, 28, 4);
            number(body, 0xFFFFFFFF, 8);
            number(body, data.size(), 8);
            number(body, 0, 8);
            number(body, 0, 4);
        }
        body += "fmt ";
        number(body, fmt.size(), 4);
        body += fmt + "data";
        number(body, riff == "RF64" ? 0xFFFFFFFF : data.size(), 4);
        body += data;
        if (data.size() % 2)
            body += '\0';
        std::string out = riff;
        number(out, riff == "RF64" ? 0xFFFFFFFF : body.size(), 4);
        return out + body;
    }
};

} // namespace wavefiles
