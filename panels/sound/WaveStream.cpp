#include "panels/sound/WaveStream.h"

#include "panels/sound/EMCIDeviceError.h"

#include <SDL.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void cannotOpen(const std::string& path, int error)
{
    throw EMCIDeviceError("Couldn't open " + path + ": " + std::strerror(error));
}

} // namespace

WaveStream::WaveStream(const std::string& path)
{
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        cannotOpen(path, errno);
    try {
        struct stat status { };
        if (::fstat(m_fd, &status) != 0)
            cannotOpen(path, errno);
        if (S_ISDIR(status.st_mode))
            cannotOpen(path, EISDIR);
        if (!S_ISREG(status.st_mode))
            throw EMCIDeviceError("Couldn't open " + path + ": not a regular file");
        m_header = readWaveHeader(m_fd, static_cast<std::uint64_t>(status.st_size));
        m_channels = m_header.channels;
        m_rate = m_header.sampleRate;
        switch (m_header.encoding) {
        case WaveEncoding::MsAdpcm:
        case WaveEncoding::ImaAdpcm:
            decodeWhole(path);
            return;
        case WaveEncoding::Float:
            m_format = AUDIO_F32LSB;
            break;
        case WaveEncoding::ALaw:
        case WaveEncoding::MuLaw:
            m_format = AUDIO_S16SYS;
            break;
        case WaveEncoding::Pcm:
            m_format = m_header.bitsPerSample == 8 ? AUDIO_U8
                : m_header.bitsPerSample == 16     ? AUDIO_S16LSB
                : m_header.bitsPerSample == 24     ? AUDIO_S32SYS
                                                   : AUDIO_S32LSB;
            break;
        }
        m_frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(m_format) / 8) * m_channels;
        m_length = m_header.dataSize / static_cast<std::uint64_t>(m_header.frameSize());
    } catch (...) {
        ::close(m_fd);
        throw;
    }
}

WaveStream::~WaveStream()
{
    if (m_decoded)
        SDL_FreeWAV(m_decoded);
    if (m_fd >= 0)
        ::close(m_fd);
}

void WaveStream::decodeWhole(const std::string& path)
{
    SDL_AudioSpec loaded {};
    Uint32 bytes = 0;
    if (!SDL_LoadWAV(path.c_str(), &loaded, &m_decoded, &bytes))
        throw EMCIDeviceError(SDL_GetError());
    ::close(m_fd);
    m_fd = -1;
    m_format = loaded.format;
    m_channels = loaded.channels;
    m_rate = loaded.freq;
    m_frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(m_format) / 8) * m_channels;
    m_length = bytes / static_cast<Uint32>(m_frameBytes);
}

std::size_t WaveStream::read(std::uint8_t* into, std::size_t frames)
{
    frames = static_cast<std::size_t>(std::min<std::uint64_t>(frames, m_length - m_position));
    if (frames == 0)
        return 0;
    if (m_decoded) {
        std::size_t bytes = frames * static_cast<std::size_t>(m_frameBytes);
        std::memcpy(into, m_decoded + m_position * static_cast<std::uint64_t>(m_frameBytes), bytes);
        m_position += frames;
        return frames;
    }
    frames = readFromFile(into, frames);
    m_position += frames;
    return frames;
}

std::size_t WaveStream::readFromFile(std::uint8_t* into, std::size_t frames)
{
    std::size_t frameSize = static_cast<std::size_t>(m_header.frameSize());
    bool widened = frameSize != static_cast<std::size_t>(m_frameBytes);
    std::uint8_t* raw = into;
    if (widened) {
        m_raw.resize(frames * frameSize);
        raw = m_raw.data();
    }
    std::size_t wanted = frames * frameSize, got = 0;
    std::uint64_t offset = m_header.dataOffset + m_position * frameSize;
    while (got < wanted) {
        ssize_t piece = ::pread(m_fd, raw + got, wanted - got, static_cast<off_t>(offset + got));
        if (piece < 0 && errno == EINTR)
            continue;
        if (piece <= 0) {
            // Cut short or unreadable since it was opened: the sound ends here.
            m_failed = true;
            m_length = m_position + got / frameSize;
            break;
        }
        got += static_cast<std::size_t>(piece);
    }
    frames = got / frameSize;
    if (!widened)
        return frames;

    std::size_t samples = frames * static_cast<std::size_t>(m_channels);
    if (m_header.encoding == WaveEncoding::ALaw || m_header.encoding == WaveEncoding::MuLaw) {
        bool aLaw = m_header.encoding == WaveEncoding::ALaw;
        for (std::size_t i = 0; i < samples; ++i) {
            std::int16_t sample = aLaw ? fromALaw(raw[i]) : fromMuLaw(raw[i]);
            std::memcpy(into + 2 * i, &sample, 2);
        }
    } else {
        // 24-bit samples into the top three bytes of 32-bit ones.
        for (std::size_t i = 0; i < samples; ++i) {
            std::uint32_t sample = static_cast<std::uint32_t>(raw[3 * i]) << 8
                | static_cast<std::uint32_t>(raw[3 * i + 1]) << 16 | static_cast<std::uint32_t>(raw[3 * i + 2]) << 24;
            std::memcpy(into + 4 * i, &sample, 4);
        }
    }
    return frames;
}

std::int16_t WaveStream::fromALaw(std::uint8_t sample)
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

std::int16_t WaveStream::fromMuLaw(std::uint8_t sample)
{
    sample = static_cast<std::uint8_t>(~sample);
    int magnitude = (((sample & 0x0F) << 3) + 0x84) << ((sample & 0x70) >> 4);
    return static_cast<std::int16_t>((sample & 0x80) ? 0x84 - magnitude : magnitude - 0x84);
}
