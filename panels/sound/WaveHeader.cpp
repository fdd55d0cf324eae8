#include "panels/sound/WaveHeader.h"

#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/WaveBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

// Far more than any writer puts before the samples; a file of empty chunks stops here.
constexpr int maxChunks = 1024;
constexpr std::uint32_t sizeInDs64 = 0xFFFFFFFF;

bool readAt(int fd, std::uint64_t offset, unsigned char* into, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        ssize_t got = ::pread(fd, into + done, size - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
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

// Chunk names are four printable ASCII characters; anything else is not a chunk.
bool isChunkName(const unsigned char* name)
{
    return std::all_of(name, name + 4, [](unsigned char c) { return c >= 0x20 && c < 0x7F; });
}

// The 64-bit sizes of an RF64 file, whose 32-bit sizes say 0xFFFFFFFF.
struct Ds64 {
    std::uint64_t dataSize = 0;
    std::map<std::string, std::uint64_t> chunkSizes;
};

Ds64 readDs64(int fd, std::uint64_t body, std::uint64_t size, std::uint64_t fileSize)
{
    unsigned char fields[28 + 16 * 12];
    if (size < 28 || body + size > fileSize || !readAt(fd, body, fields, 28))
        refuse("Damaged wave file (no ds64 chunk)");
    Ds64 ds64;
    ds64.dataSize = readUnsigned(fields + 8, 8, false);
    std::uint64_t entries = std::min<std::uint64_t>({ readDword(fields + 24), (size - 28) / 12, 16 });
    if (entries > 0 && readAt(fd, body + 28, fields + 28, entries * 12)) {
        for (std::uint64_t i = 0; i < entries; ++i) {
            const unsigned char* entry = fields + 28 + 12 * i;
            ds64.chunkSizes[std::string(reinterpret_cast<const char*>(entry), 4)] = readUnsigned(entry + 4, 8, false);
        }
    }
    return ds64;
}

} // namespace

WaveHeader readWaveHeader(int fd, std::uint64_t fileSize)
{
    unsigned char riff[12];
    if (fileSize < sizeof riff || !readAt(fd, 0, riff, sizeof riff) || std::memcmp(riff + 8, "WAVE", 4) != 0)
        refuse("Not a wave file (no RIFF WAVE header)");
    bool bigEndian = std::memcmp(riff, "RIFX", 4) == 0;
    bool rf64 = std::memcmp(riff, "RF64", 4) == 0 || std::memcmp(riff, "BW64", 4) == 0;
    if (!bigEndian && !rf64 && std::memcmp(riff, "RIFF", 4) != 0)
        refuse("Not a wave file (no RIFF WAVE header)");

    // The RIFF size is not trusted: writers often leave it wrong. Chunks are walked up to the file's end.
    std::optional<WaveHeader> header;
    std::optional<Ds64> ds64;
    std::uint64_t factFrames = UINT64_MAX;
    std::uint64_t offset = sizeof riff;
    bool oddBefore = false;
    unsigned char chunk[8];
    for (int count = 0; count < maxChunks && offset + sizeof chunk <= fileSize; ++count) {
        if (!readAt(fd, offset, chunk, sizeof chunk))
            break;
        // Some writers leave out the pad byte after a chunk of odd size.
        if (!isChunkName(chunk) && oddBefore && readAt(fd, offset - 1, chunk, sizeof chunk) && isChunkName(chunk))
            --offset;
        if (!isChunkName(chunk))
            refuse("Damaged wave file (no chunk at byte " + std::to_string(offset) + ")");
        std::string name(reinterpret_cast<const char*>(chunk), 4);
        std::uint64_t size = readDword(chunk + 4, bigEndian), body = offset + sizeof chunk;
        if (rf64 && !ds64) {
            if (name != "ds64")
                refuse("Damaged wave file (no ds64 chunk)");
            ds64 = readDs64(fd, body, size, fileSize);
        }
        if (rf64 && size == sizeInDs64)
            size = name == "data" ? ds64->dataSize : ds64->chunkSizes.count(name) ? ds64->chunkSizes[name] : size;

        if (name == "fmt " && !header) {
            if (size < 16 || body + size > fileSize)
                refuse("Damaged wave format chunk");
            unsigned char fmt[1024];
            std::size_t taken = static_cast<std::size_t>(std::min<std::uint64_t>(size, sizeof fmt));
            if (!readAt(fd, body, fmt, taken))
                refuse("Damaged wave format chunk");
            header.emplace();
            header->bigEndian = bigEndian;
            takeWaveFormat(fmt, taken, *header);
        } else if (name == "fact" && size >= 4) {
            unsigned char frames[4];
            if (readAt(fd, body, frames, sizeof frames))
                factFrames = readDword(frames, bigEndian);
        } else if (name == "data") {
            if (!header)
                refuse("Wave file has its data before its format chunk");
            header->factFrames = factFrames;
            header->dataOffset = body;
            header->dataSize = std::min(size, fileSize - body);
            if (!header->isAdpcm())
                header->dataSize -= header->dataSize % static_cast<std::uint64_t>(header->blockAlign);
            return *header;
        }
        oddBefore = size & 1;
        offset = body + size + (size & 1);
    }
    refuse(header ? "Wave file has no data chunk" : "Wave file has no format chunk");
}

int WaveHeader::framesInBlock(std::uint64_t bytes) const
{
    // IMA: each channel's first sample in a 4-byte header, then 4-byte words of 8 samples per
    // channel in turn. MS: 7 header bytes per channel holding two samples, then one nibble per sample.
    std::uint64_t perChannel = static_cast<std::uint64_t>(channels);
    std::uint64_t header = (encoding == WaveEncoding::ImaAdpcm ? 4 : 7) * perChannel;
    if (bytes < header)
        return 0;
    std::uint64_t frames = encoding == WaveEncoding::ImaAdpcm ? 1 + (bytes - header) / (4 * perChannel) * 8
                                                              : 2 + (bytes - header) * 2 / perChannel;
    return static_cast<int>(std::min<std::uint64_t>(frames, static_cast<std::uint64_t>(samplesPerBlock)));
}

std::uint64_t WaveHeader::lengthFrames() const
{
    std::uint64_t block = static_cast<std::uint64_t>(blockAlign);
    if (!isAdpcm())
        return dataSize / block;
    std::uint64_t frames = dataSize / block * static_cast<std::uint64_t>(samplesPerBlock)
        + static_cast<std::uint64_t>(framesInBlock(dataSize % block));
    // A fact chunk of 0 comes from writers that never filled it in.
    return factFrames > 0 ? std::min(frames, factFrames) : frames;
}
