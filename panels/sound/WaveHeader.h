#pragma once

#include <cstdint>
#include <vector>

// How the samples of a wave file are stored, as its "fmt " chunk says.
enum class WaveEncoding { Pcm, Float, ALaw, MuLaw, MsAdpcm, ImaAdpcm };

// What playing a wave needs to know before its first sample: the format, and where the samples
// stand in the file.
struct WaveHeader {
    WaveEncoding encoding = WaveEncoding::Pcm;
    bool bigEndian = false; // RIFX: the header's numbers and the samples
    int channels = 0;
    int sampleRate = 0;
    // Bytes of one frame, or of one ADPCM block: the frame's layout comes from it, not from the
    // sample size, since samples may sit in wider slots.
    int blockAlign = 0;
    int slotBytes = 0; // one sample's slot; 0 for ADPCM
    int validBits = 0; // the top bits of a slot that hold the sample
    int samplesPerBlock = 0; // ADPCM frames in a whole block
    std::vector<std::int16_t> coefficients; // MS ADPCM predictor pairs
    std::uint64_t factFrames = UINT64_MAX; // the frame count a "fact" chunk gives
    std::uint64_t dataOffset = 0;
    // The samples the file really holds: a data chunk that claims more than the file has is cut at
    // the file's end and, for the uncompressed encodings, to whole frames.
    std::uint64_t dataSize = 0;

    bool isAdpcm() const { return encoding == WaveEncoding::MsAdpcm || encoding == WaveEncoding::ImaAdpcm; }
    std::uint64_t lengthFrames() const;
    // The frames in the first `bytes` bytes of an ADPCM block (a last block may be cut short).
    int framesInBlock(std::uint64_t bytes) const;
};

// Reads the RIFF, RIFX or RF64 header of the wave file open on `fd` (of `fileSize` bytes) without
// reading its samples; the chunks are skipped by their sizes, so a few reads settle any file.
// Throws EMCIDeviceError with a text that says what is wrong with the file.
WaveHeader readWaveHeader(int fd, std::uint64_t fileSize);

// Takes the "fmt " chunk's body into `header`; throws EMCIDeviceError for a format it can't play.
void takeWaveFormat(const unsigned char* fmt, std::size_t size, WaveHeader& header);
