#pragma once

#include "panels/sound/WaveHeader.h"

#include <SDL_audio.h>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The samples of an open wave file in a format SDL converts from, read piece by piece from the
// file as they are played; only ADPCM, which SDL decodes whole, is decoded into memory at open.
// A-law, mu-law and 24-bit samples are widened as they are read.
class WaveStream {
public:
    // Reads and checks the header; throws EMCIDeviceError with the reason.
    explicit WaveStream(const std::string& path);
    ~WaveStream();
    WaveStream(const WaveStream&) = delete;
    WaveStream& operator=(const WaveStream&) = delete;

    SDL_AudioFormat format() const { return m_format; }
    int channels() const { return m_channels; }
    int sampleRate() const { return m_rate; }
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

    static std::int16_t fromALaw(std::uint8_t sample);
    static std::int16_t fromMuLaw(std::uint8_t sample);

private:
    void decodeWhole(const std::string& path);
    std::size_t readFromFile(std::uint8_t* into, std::size_t frames);

    int m_fd = -1;
    WaveHeader m_header;
    SDL_AudioFormat m_format = AUDIO_S16LSB;
    int m_channels = 0;
    int m_rate = 0;
    int m_frameBytes = 0;
    std::uint64_t m_length = 0;
    std::uint64_t m_position = 0;
    bool m_failed = false;
    std::vector<std::uint8_t> m_raw; // the file's bytes of one piece, before widening
    std::uint8_t* m_decoded = nullptr; // ADPCM decoded by SDL
};
