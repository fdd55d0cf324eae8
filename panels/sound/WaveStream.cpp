#include "panels/sound/WaveStream.h"

#include "cycle/RegularFile.h"
#include "panels/sound/AdpcmBlock.h"
#include "panels/sound/EMCIDeviceError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileDescriptor openWave(const std::string& path, struct stat& status)
{
    try {
        FileDescriptor file = openRegularFile(path, status);
        int error = S_ISDIR(status.st_mode) ? EISDIR : errno;
        if (!file.isOpen())
            throw EMCIDeviceError("Couldn't open " + path + ": " + std::strerror(error));
        return file;
    } catch (const EMCIDeviceError&) {
        throw;
    } catch (const Exception& notRegular) {
        throw EMCIDeviceError(notRegular.what());
    }
}

WaveHeader readHeader(const std::string& path, FileDescriptor& file)
{
    struct stat status { };
    file = openWave(path, status);
    return readWaveHeader(file.get(), static_cast<std::uint64_t>(status.st_size));
}

} // namespace

WaveStream::WaveStream(const std::string& path)
    : m_header(readHeader(path, m_file))
    , m_samples(m_header)
    , m_format(m_header.isAdpcm() ? AUDIO_S16SYS : m_samples.format())
    , m_frameBytes(static_cast<int>(SDL_AUDIO_BITSIZE(m_format) / 8) * m_header.channels)
    , m_length(m_header.lengthFrames())
{
}

std::size_t WaveStream::read(std::uint8_t* into, std::size_t frames)
{
    frames = static_cast<std::size_t>(std::min<std::uint64_t>(frames, m_length - m_position));
    if (frames == 0)
        return 0;
    frames = m_header.isAdpcm() ? readBlocks(into, frames) : readFrames(into, frames);
    m_position += frames;
    return frames;
}

bool WaveStream::readAt(std::uint64_t offset, std::uint8_t* into, std::size_t bytes)
{
    std::size_t got = 0;
    while (got < bytes) {
        ssize_t piece = ::pread(m_file.get(), into + got, bytes - got, static_cast<off_t>(offset + got));
        if (piece < 0 && errno == EINTR)
            continue;
        if (piece <= 0)
            return false;
        got += static_cast<std::size_t>(piece);
    }
    return true;
}

std::size_t WaveStream::readFrames(std::uint8_t* into, std::size_t frames)
{
    std::size_t frameSize = static_cast<std::size_t>(m_header.blockAlign);
    std::uint64_t offset = m_header.dataOffset + m_position * frameSize;
    std::uint8_t* raw = into;
    if (!m_samples.passThrough()) {
        m_raw.resize(frames * frameSize);
        raw = m_raw.data();
    }
    // Cut short or unreadable since it was opened: the sound ends after the whole frames it got.
    std::size_t got = 0;
    while (got < frames * frameSize) {
        ssize_t piece = ::pread(m_file.get(), raw + got, frames * frameSize - got, static_cast<off_t>(offset + got));
        if (piece < 0 && errno == EINTR)
            continue;
        if (piece <= 0)
            break;
        got += static_cast<std::size_t>(piece);
    }
    if (got < frames * frameSize) {
        frames = got / frameSize;
        m_length = m_position + frames;
        m_failed = true;
    }
    if (!m_samples.passThrough())
        m_samples.widen(raw, frames * static_cast<std::size_t>(m_header.channels), into);
    return frames;
}

std::size_t WaveStream::readBlocks(std::uint8_t* into, std::size_t frames)
{
    std::uint64_t perBlock = static_cast<std::uint64_t>(m_header.samplesPerBlock);
    std::size_t done = 0;
    while (done < frames) {
        std::uint64_t at = m_position + done;
        if (at / perBlock != m_blockIndex && !decodeBlock(at / perBlock)) {
            // Cut short since it was opened, or a block that can't be decoded: the sound ends here.
            m_length = at;
            m_failed = true;
            break;
        }
        std::size_t inBlock = static_cast<std::size_t>(at % perBlock);
        std::size_t count = std::min(frames - done, static_cast<std::size_t>(m_blockFrames) - inBlock);
        std::memcpy(into + done * static_cast<std::size_t>(m_frameBytes),
            m_block.data() + inBlock * static_cast<std::size_t>(m_header.channels),
            count * static_cast<std::size_t>(m_frameBytes));
        done += count;
    }
    return done;
}

bool WaveStream::decodeBlock(std::uint64_t index)
{
    std::uint64_t blockAlign = static_cast<std::uint64_t>(m_header.blockAlign);
    std::uint64_t start = index * blockAlign;
    auto bytes = static_cast<std::size_t>(std::min(blockAlign, m_header.dataSize - start));
    m_blockIndex = UINT64_MAX;
    m_blockFrames = static_cast<int>(
        std::min<std::uint64_t>(m_header.framesInBlock(bytes), m_length - index * m_header.samplesPerBlock));
    m_raw.resize(bytes);
    m_block.resize(static_cast<std::size_t>(m_blockFrames * m_header.channels));
    if (m_blockFrames <= 0 || !readAt(m_header.dataOffset + start, m_raw.data(), bytes)
        || !decodeAdpcmBlock(m_header, m_raw.data(), m_blockFrames, m_block.data()))
        return false;
    m_blockIndex = index;
    return true;
}
