#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/WaveBytes.h"
#include "panels/sound/WaveHeader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::uint16_t tagPcm = 0x0001, tagMsAdpcm = 0x0002, tagFloat = 0x0003, tagALaw = 0x0006, tagMuLaw = 0x0007,
                        tagImaAdpcm = 0x0011, tagExtensible = 0xFFFE;

// The GUID of an extensible format after its leading tag: ...-0000-0010-8000-00AA00389B71.
constexpr std::array<unsigned char, 14> extensibleGuidTail
    = { 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 };

// The MS ADPCM predictors every encoder uses, for a format chunk that leaves them out.
constexpr std::array<std::int16_t, 14> standardCoefficients
    = { 256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232 };

struct KnownEncoding {
    std::uint16_t tag;
    const char* name;
};

// Encodings met in wave files that this player does not decode, named for the refusal.
constexpr KnownEncoding otherEncodings[] = {
    { 0x0010, "OKI ADPCM" },
    { 0x0022, "TrueSpeech" },
    { 0x0031, "GSM 6.10" },
    { 0x0040, "G.721 ADPCM" },
    { 0x0050, "MPEG" },
    { 0x0055, "MP3" },
    { 0x0064, "G.726 ADPCM" },
    { 0x0092, "AC-3" },
    { 0x00FF, "AAC" },
    { 0x0161, "Windows Media Audio" },
    { 0x0162, "Windows Media Audio Pro" },
    { 0x1610, "AAC" },
    { 0x2000, "AC-3" },
    { 0xF1AC, "FLAC" },
};

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
    }
    const char* name = "unknown";
    for (const KnownEncoding& known : otherEncodings)
        if (known.tag == tag)
            name = known.name;
    char text[96];
    std::snprintf(text, sizeof text, "Unsupported wave encoding: %s (0x%04X)", name, tag);
    refuse(text);
}

[[noreturn]] void refuseSampleSize(int bits)
{
    refuse("Unsupported wave sample size: " + std::to_string(bits) + " bits");
}

// Uncompressed samples: each in a slot of block align / channels bytes, the sample in its top bits.
void takeSlots(WaveHeader& header, int bits)
{
    if (header.blockAlign == 0)
        header.blockAlign = header.channels * ((bits + 7) / 8);
    if (header.blockAlign % header.channels != 0)
        refuse("Damaged wave format chunk");
    header.slotBytes = header.blockAlign / header.channels;
    if (header.validBits == 0 || header.validBits > 8 * header.slotBytes)
        header.validBits = std::min(bits, 8 * header.slotBytes);
    switch (header.encoding) {
    case WaveEncoding::Pcm:
        if (bits < 1 || bits > 32 || header.slotBytes > 4 || 8 * header.slotBytes < bits)
            refuseSampleSize(bits);
        break;
    case WaveEncoding::Float:
        if ((bits != 32 && bits != 64) || 8 * header.slotBytes != bits)
            refuseSampleSize(bits);
        header.validBits = bits;
        break;
    default:
        if (bits != 8 || header.slotBytes != 1)
            refuseSampleSize(bits);
        break;
    }
}

// ADPCM: blocks of block align bytes, each starting afresh from a header per channel.
void takeBlocks(WaveHeader& header, int bits, const unsigned char* fmt, std::size_t size)
{
    if (bits != 4)
        refuseSampleSize(bits);
    if (header.blockAlign == 0)
        refuse("Wave format chunk gives no block size");
    bool ima = header.encoding == WaveEncoding::ImaAdpcm;
    int group = (ima ? 4 : 7) * header.channels;
    if (header.blockAlign < group || (ima && header.blockAlign % group != 0))
        refuse("Damaged wave format chunk");
    header.samplesPerBlock = 0x7fffffff; // no cap yet: what a whole block holds
    header.samplesPerBlock = header.framesInBlock(static_cast<std::uint64_t>(header.blockAlign));
    if (size >= 20) {
        int given = readWord(fmt + 18, header.bigEndian);
        if (given > 0 && given < header.samplesPerBlock)
            header.samplesPerBlock = given;
    }
    if (ima)
        return;
    int count = size >= 22 ? readWord(fmt + 20, header.bigEndian) : 0;
    if (count == 0 || size < 22 + 4 * static_cast<std::size_t>(count)) {
        header.coefficients.assign(standardCoefficients.begin(), standardCoefficients.end());
        return;
    }
    for (int i = 0; i < 2 * count; ++i)
        header.coefficients.push_back(static_cast<std::int16_t>(readWord(fmt + 22 + 2 * i, header.bigEndian)));
}

} // namespace

void takeWaveFormat(const unsigned char* fmt, std::size_t size, WaveHeader& header)
{
    bool big = header.bigEndian;
    std::uint16_t tag = readWord(fmt, big);
    int bits = readWord(fmt + 14, big);
    if (tag == tagExtensible) {
        if (size < 40 || std::memcmp(fmt + 26, extensibleGuidTail.data(), extensibleGuidTail.size()) != 0)
            refuse("Unsupported extensible wave format");
        header.validBits = readWord(fmt + 18, big);
        tag = readWord(fmt + 24, big);
    }
    header.encoding = encodingOf(tag);
    header.channels = readWord(fmt + 2, big);
    header.sampleRate = static_cast<int>(std::min<std::uint32_t>(readDword(fmt + 4, big), 0x7fffffff));
    header.blockAlign = readWord(fmt + 12, big);
    if (header.channels < 1 || header.channels > 8)
        refuse("Unsupported number of wave channels: " + std::to_string(header.channels));
    if (header.sampleRate < 1 || header.sampleRate > 768000)
        refuse("Unsupported wave sample rate: " + std::to_string(header.sampleRate));
    if (header.isAdpcm())
        takeBlocks(header, bits, fmt, size);
    else
        takeSlots(header, bits);
}
