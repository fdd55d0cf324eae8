#pragma once

#include "panels/sound/WaveHeader.h"

#include <SDL_audio.h>
#include <cstddef>
#include <cstdint>

// How the uncompressed samples of a wave reach SDL: as the file holds them where SDL takes that
// format, else widened as they are read: A-law and mu-law to 16 bits, 64-bit float to 32-bit float,
// other integers (3-byte slots, or slots with padding bits below the sample) to 32 bits.
class WaveSamples {
public:
    explicit WaveSamples(const WaveHeader& header);

    SDL_AudioFormat format() const { return m_format; }
    bool passThrough() const { return m_passThrough; }
    // Converts `samples` slots read from the file into the format above.
    void widen(const std::uint8_t* raw, std::size_t samples, std::uint8_t* out) const;

    static std::int16_t fromALaw(std::uint8_t sample);
    static std::int16_t fromMuLaw(std::uint8_t sample);

private:
    WaveEncoding m_encoding;
    bool m_bigEndian;
    int m_slotBytes;
    std::uint32_t m_validMask; // of a sample moved to the top of 32 bits
    SDL_AudioFormat m_format = AUDIO_S32SYS;
    bool m_passThrough = false;
};
