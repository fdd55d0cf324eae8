#pragma once

#include <cstdint>

// How the samples of a wave file are stored, as its "fmt " chunk says.
enum class WaveEncoding { Pcm, Float, ALaw, MuLaw, MsAdpcm, ImaAdpcm };

// What playing a wave needs to know before its first sample: the format, and where the samples
// stand in the file.
struct WaveHeader {
    WaveEncoding encoding = WaveEncoding::Pcm;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;
    std::uint64_t dataOffset = 0;
    // The samples the file really holds: a data chunk that claims more than the file has is cut at
    // the file's end and, for the uncompressed encodings, to whole frames.
    std::uint64_t dataSize = 0;

    // Bytes per frame of the uncompressed encodings; 0 for ADPCM, which is read in blocks.
    int frameSize() const;
};

// Reads the RIFF header of the wave file open on `fd` (of `fileSize` bytes) without reading its
// samples. Throws EMCIDeviceError with a text that says what is wrong with the file.
WaveHeader readWaveHeader(int fd, std::uint64_t fileSize);
