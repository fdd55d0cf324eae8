#include "panels/sound/SdlSoundDevice.h"

#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/WaveStream.h"

#include <SDL.h>
#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t pieceFrames = 4096;
constexpr int failed = 1;

// Holds the device's lock, so the audio thread is not inside its callback.
class DeviceLock {
public:
    explicit DeviceLock(SDL_AudioDeviceID device)
        : m_device(device)
    {
        SDL_LockAudioDevice(m_device);
    }
    ~DeviceLock() { SDL_UnlockAudioDevice(m_device); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    SDL_AudioDeviceID m_device;
};

} // namespace

SdlSoundDevice::SdlSoundDevice(std::unique_ptr<WaveStream> wave, SoundBackEnd::EndNotice ended)
    : m_wave(std::move(wave))
    , m_ended(std::move(ended))
    , m_piece(pieceFrames * static_cast<std::size_t>(m_wave->frameBytes()))
{
    SDL_AudioSpec wanted {};
    wanted.freq = m_wave->sampleRate();
    wanted.format = m_wave->format();
    wanted.channels = static_cast<Uint8>(m_wave->channels());
    wanted.samples = 512; // about 12 ms at 44.1 kHz: play is heard soon after the click
    wanted.callback = &SdlSoundDevice::feed;
    wanted.userdata = this;
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &m_spec, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (m_device == 0)
        throw EMCIDeviceError(SDL_GetError());
    m_stream
        = SDL_NewAudioStream(wanted.format, wanted.channels, wanted.freq, m_spec.format, m_spec.channels, m_spec.freq);
    if (!m_stream) {
        std::string text = SDL_GetError();
        SDL_CloseAudioDevice(m_device);
        throw EMCIDeviceError(text);
    }
}

SdlSoundDevice::~SdlSoundDevice()
{
    SDL_CloseAudioDevice(m_device);
    SDL_FreeAudioStream(m_stream);
}

void SDLCALL SdlSoundDevice::feed(void* self, Uint8* out, int bytes)
{
    static_cast<SdlSoundDevice*>(self)->fill(out, bytes);
}

void SdlSoundDevice::fill(Uint8* out, int bytes)
{
    int done = 0;
    while (m_running && done < bytes) {
        int got = SDL_AudioStreamGet(m_stream, out + done, bytes - done);
        if (got < 0) {
            giveUp();
            break;
        }
        done += got;
        if (done < bytes && !refill())
            break;
    }
    std::memset(out + done, m_spec.silence, static_cast<std::size_t>(bytes - done));
    if (m_running && m_flushed && SDL_AudioStreamAvailable(m_stream) == 0) {
        m_running = false;
        m_finished = true;
        if (m_ended)
            m_ended(!m_wave->failed() && !m_streamFailed);
    }
}

// Puts the next piece of the file into the stream; false when there is nothing more to put.
bool SdlSoundDevice::refill()
{
    if (m_flushed)
        return false;
    if (std::size_t frames = m_wave->read(m_piece.data(), pieceFrames)) {
        if (SDL_AudioStreamPut(m_stream, m_piece.data(), static_cast<int>(frames) * m_wave->frameBytes()) == 0)
            return true;
        giveUp();
        return false;
    }
    SDL_AudioStreamFlush(m_stream);
    m_flushed = true;
    return true;
}

// The stream failed: the sound ends here, as if its file ended.
void SdlSoundDevice::giveUp()
{
    SDL_AudioStreamClear(m_stream);
    m_flushed = true;
    m_streamFailed = true;
}

void SdlSoundDevice::setPaused(bool paused)
{
    SDL_PauseAudioDevice(m_device, paused ? 1 : 0);
}

int SdlSoundDevice::play()
{
    {
        DeviceLock lock(m_device);
        m_running = !m_finished;
        m_pausedByUser = false;
    }
    setPaused(false);
    return 0;
}

int SdlSoundDevice::seekToStart()
{
    DeviceLock lock(m_device);
    m_wave->rewind();
    SDL_AudioStreamClear(m_stream);
    m_flushed = m_finished = m_streamFailed = false;
    return 0;
}

int SdlSoundDevice::pause()
{
    {
        DeviceLock lock(m_device);
        if (!m_running)
            return failed;
        m_running = false;
        m_pausedByUser = true;
    }
    setPaused(true);
    return 0;
}

int SdlSoundDevice::resume()
{
    {
        DeviceLock lock(m_device);
        if (!m_pausedByUser)
            return failed;
        m_pausedByUser = false;
        m_running = true;
    }
    setPaused(false);
    return 0;
}

int SdlSoundDevice::stop()
{
    {
        DeviceLock lock(m_device);
        m_running = m_pausedByUser = false;
    }
    setPaused(true);
    return 0;
}

SoundDevice::Mode SdlSoundDevice::mode()
{
    DeviceLock lock(m_device);
    return m_running ? Mode::Playing : m_pausedByUser ? Mode::Paused : Mode::Stopped;
}

// The frames taken from the file less those still waiting in the stream, in milliseconds as the
// platform's player counts. Only a sound played out stands at its length, so a play after it starts
// again from the beginning.
std::uint64_t SdlSoundDevice::position()
{
    DeviceLock lock(m_device);
    std::uint64_t length = milliseconds(m_wave->lengthFrames());
    if (m_finished)
        return length;
    int frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(m_spec.format) / 8) * m_spec.channels;
    std::uint64_t waiting = static_cast<std::uint64_t>(SDL_AudioStreamAvailable(m_stream) / frameBytes)
        * static_cast<std::uint64_t>(m_wave->sampleRate()) / static_cast<std::uint64_t>(m_spec.freq);
    std::uint64_t taken = m_wave->positionFrames();
    std::uint64_t played = milliseconds(taken > waiting ? taken - waiting : 0);
    return length == 0 ? 0 : std::min(played, length - 1);
}

std::uint64_t SdlSoundDevice::length()
{
    DeviceLock lock(m_device);
    return milliseconds(m_wave->lengthFrames());
}

std::uint64_t SdlSoundDevice::milliseconds(std::uint64_t frames) const
{
    return frames * 1000 / static_cast<std::uint64_t>(m_wave->sampleRate());
}
