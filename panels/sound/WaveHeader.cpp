#include "panels/sound/WaveHeader.h"

#include "panels/sound/EMCIDeviceError.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

constexpr std::uint16_t tagPcm = 0x0001, tagMsAdpcm = 0x0002, tagFloat = 0x0003, tagALaw = 0x0006, tagMuLaw = 0x0007,
                        tagImaAdpcm = 0x0011, tagExtensible = 0xFFFE;

// The GUID of an extensible format after its leading tag: ...-0000-0010-8000-00AA00389B71.
constexpr std::array<unsigned char, 14> extensibleGuidTail
    = { 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 };

std::uint16_t word(const unsigned char* at)
{
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

std::uint32_t dword(const unsigned char* at)
{
    return word(at) | static_cast<std::uint32_t>(word(at + 2)) << 16;
}

bool readAt(int fd, std::uint64_t offset, unsigned char* into, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        ssize_t got = ::pread(fd, into + done, size - done, static_cast<off_t>(offset + done));
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

[[noreturn]] void refuse(const std::string& text)
{
    throw EMCIDeviceError(text);
}

WaveEncoding encodingOf(std::uint16_t tag)
{
    switch (tag) {
    case tagPcm:
        return WaveEncoding::Pcm;
    case tagFloat:
        return WaveEncoding::Float;
    case tagALaw:
        return WaveEncoding::ALaw;
    case tagMuLaw:
        return WaveEncoding::MuLaw;
    case tagMsAdpcm:
        return WaveEncoding::MsAdpcm;
    case tagImaAdpcm:
        return WaveEncoding::ImaAdpcm;
    default:
        char text[64];
        std::snprintf(text, sizeof text, "Unsupported wave encoding 0x%04X", tag);
        refuse(text);
    }
}

bool bitsFit(WaveEncoding encoding, int bits)
{
    switch (encoding) {
    case WaveEncoding::Pcm:
        return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case WaveEncoding::Float:
        return bits == 32;
    case WaveEncoding::ALaw:
    case WaveEncoding::MuLaw:
        return bits == 8;
    case WaveEncoding::MsAdpcm:
    case WaveEncoding::ImaAdpcm:
        return bits == 4;
    }
    return false;
}

WaveHeader takeFormat(const unsigned char* fmt, std::uint32_t size)
{
    WaveHeader header;
    std::uint16_t tag = word(fmt);
    if (tag == tagExtensible) {
        if (size < 40 || std::memcmp(fmt + 26, extensibleGuidTail.data(), extensibleGuidTail.size()) != 0)
            refuse("Unsupported extensible wave format");
        tag = word(fmt + 24);
    }
    header.encoding = encodingOf(tag);
    header.channels = word(fmt + 2);
    header.sampleRate = static_cast<int>(std::min<std::uint32_t>(dword(fmt + 4), 0x7fffffff));
    header.blockAlign = word(fmt + 12);
    header.bitsPerSample = word(fmt + 14);
    if (header.channels < 1 || header.channels > 8)
        refuse("Unsupported number of wave channels: " + std::to_string(header.channels));
    if (header.sampleRate < 1 || header.sampleRate > 768000)
        refuse("Unsupported wave sample rate: " + std::to_string(header.sampleRate));
    if (!bitsFit(header.encoding, header.bitsPerSample))
        refuse("Unsupported wave sample size: " + std::to_string(header.bitsPerSample) + " bits");
    if (header.frameSize() == 0 && header.blockAlign == 0)
        refuse("Wave format chunk gives no block size");
    return header;
}

} // namespace

int WaveHeader::frameSize() const
{
    if (encoding == WaveEncoding::MsAdpcm || encoding == WaveEncoding::ImaAdpcm)
        return 0;
    return channels * bitsPerSample / 8;
}

WaveHeader readWaveHeader(int fd, std::uint64_t fileSize)
{
    unsigned char riff[12];
    if (fileSize < sizeof riff || !readAt(fd, 0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0
        || std::memcmp(riff + 8, "WAVE", 4) != 0)
        refuse("Not a wave file (no RIFF WAVE header)");

    // The RIFF size is not trusted: writers often leave it wrong. Chunks are read up to the file's end.
    std::optional<WaveHeader> header;
    std::uint64_t offset = sizeof riff;
    unsigned char chunk[8];
    while (offset + sizeof chunk <= fileSize && readAt(fd, offset, chunk, sizeof chunk)) {
        std::uint64_t size = dword(chunk + 4), body = offset + sizeof chunk;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && !header) {
            if (size < 16 || size > 1024 || body + size > fileSize)
                refuse("Damaged wave format chunk");
            unsigned char fmt[1024];
            if (!readAt(fd, body, fmt, size))
                refuse("Damaged wave format chunk");
            header = takeFormat(fmt, static_cast<std::uint32_t>(size));
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!header)
                refuse("Wave file has its data before its format chunk");
            header->dataOffset = body;
            header->dataSize = std::min(size, fileSize - body);
            if (int frame = header->frameSize())
                header->dataSize -= header->dataSize % frame;
            return *header;
        }
        offset = body + size + (size & 1);
    }
    refuse(header ? "Wave file has no data chunk" : "Wave file has no format chunk");
}
