#pragma once

#include "cycle/FileDescriptor.h"
#include "panels/sound/WaveHeader.h"
#include "panels/sound/WaveSamples.h"

#include <SDL_audio.h>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The samples of an open wave file in a format SDL converts from, read piece by piece from the
// file as they are played: uncompressed samples are widened where SDL does not take them as they
// are, ADPCM is decoded one block at a time. Memory stays the same whatever the file's size.
class WaveStream {
public:
    // Reads and checks the header; throws EMCIDeviceError with the reason.
    explicit WaveStream(const std::string& path);

    SDL_AudioFormat format() const { return m_format; }
    int channels() const { return m_header.channels; }
    int sampleRate() const { return m_header.sampleRate; }
    int frameBytes() const { return m_frameBytes; }
    std::uint64_t lengthFrames() const { return m_length; }
    std::uint64_t positionFrames() const { return m_position; }

    // Up to `frames` frames into `into` (room for frames * frameBytes()); fewer, or none, at the
    // end. A file cut short or unreadable since it was opened ends the sound where it fails.
    std::size_t read(std::uint8_t* into, std::size_t frames);
    void rewind()
    {
        m_position = 0;
        m_failed = false;
    }
    bool failed() const { return m_failed; }

private:
    std::size_t readFrames(std::uint8_t* into, std::size_t frames);
    std::size_t readBlocks(std::uint8_t* into, std::size_t frames);
    bool decodeBlock(std::uint64_t index);
    bool readAt(std::uint64_t offset, std::uint8_t* into, std::size_t bytes);

    FileDescriptor m_file;
    WaveHeader m_header;
    WaveSamples m_samples;
    SDL_AudioFormat m_format;
    int m_frameBytes;
    std::uint64_t m_length;
    std::uint64_t m_position = 0;
    bool m_failed = false;
    std::vector<std::uint8_t> m_raw; // the file's bytes of one piece or block, before widening or decoding
    std::vector<std::int16_t> m_block; // the decoded ADPCM block
    std::uint64_t m_blockIndex = UINT64_MAX;
    int m_blockFrames = 0;
};
