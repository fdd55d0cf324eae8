#include "panels/sound/WaveSamples.h"

#include "panels/sound/WaveBytes.h"

#include <cstring>

WaveSamples::WaveSamples(const WaveHeader& header)
    : m_encoding(header.encoding)
    , m_bigEndian(header.bigEndian)
    , m_slotBytes(header.slotBytes)
    , m_validMask(header.validBits >= 32 ? 0xFFFFFFFFu : ~(0xFFFFFFFFu >> header.validBits))
{
    switch (m_encoding) {
    case WaveEncoding::ALaw:
    case WaveEncoding::MuLaw:
        m_format = AUDIO_S16SYS;
        return;
    case WaveEncoding::Float:
        m_passThrough = m_slotBytes == 4;
        m_format = !m_passThrough ? AUDIO_F32SYS : m_bigEndian ? AUDIO_F32MSB : AUDIO_F32LSB;
        return;
    default:
        break;
    }
    m_passThrough = m_slotBytes != 3 && header.validBits == 8 * m_slotBytes;
    if (!m_passThrough)
        return;
    if (m_slotBytes == 1)
        m_format = AUDIO_U8;
    else if (m_slotBytes == 2)
        m_format = m_bigEndian ? AUDIO_S16MSB : AUDIO_S16LSB;
    else
        m_format = m_bigEndian ? AUDIO_S32MSB : AUDIO_S32LSB;
}

void WaveSamples::widen(const std::uint8_t* raw, std::size_t samples, std::uint8_t* out) const
{
    for (std::size_t i = 0; i < samples; ++i) {
        const std::uint8_t* slot = raw + i * static_cast<std::size_t>(m_slotBytes);
        if (m_encoding == WaveEncoding::ALaw || m_encoding == WaveEncoding::MuLaw) {
            std::int16_t sample = m_encoding == WaveEncoding::ALaw ? fromALaw(*slot) : fromMuLaw(*slot);
            std::memcpy(out + 2 * i, &sample, 2);
        } else if (m_encoding == WaveEncoding::Float) {
            double wide;
            std::uint64_t bits = readUnsigned(slot, 8, m_bigEndian);
            std::memcpy(&wide, &bits, 8);
            float sample = static_cast<float>(wide);
            std::memcpy(out + 4 * i, &sample, 4);
        } else {
            auto value = static_cast<std::uint32_t>(readUnsigned(slot, m_slotBytes, m_bigEndian))
                << (32 - 8 * m_slotBytes);
            if (m_slotBytes == 1)
                value ^= 0x80000000u; // 8-bit samples are unsigned
            value &= m_validMask;
            std::memcpy(out + 4 * i, &value, 4);
        }
    }
}

std::int16_t WaveSamples::fromALaw(std::uint8_t sample)
{
    sample ^= 0x55;
    int magnitude = (sample & 0x0F) << 4;
    int segment = (sample & 0x70) >> 4;
    if (segment == 0)
        magnitude += 8;
    else
        magnitude = (magnitude + 0x108) << (segment - 1);
    return static_cast<std::int16_t>((sample & 0x80) ? magnitude : -magnitude);
}

std::int16_t WaveSamples::fromMuLaw(std::uint8_t sample)
{
    sample = static_cast<std::uint8_t>(~sample);
    int magnitude = (((sample & 0x0F) << 3) + 0x84) << ((sample & 0x70) >> 4);
    return static_cast<std::int16_t>((sample & 0x80) ? 0x84 - magnitude : magnitude - 0x84);
}
