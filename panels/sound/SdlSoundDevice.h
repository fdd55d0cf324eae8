#pragma once

#include "panels/sound/SoundDevice.h"

#include <SDL_audio.h>
#include <memory>
#include <vector>

class WaveStream;

// One wave on an SDL audio device of its own. SDL's audio thread pulls the sound piece by piece:
// a piece of the file goes into the SDL_AudioStream whenever the stream runs dry, so no more than
// a piece or two of the sound is ever held in memory.
class SdlSoundDevice : public SoundDevice {
public:
    // Throws EMCIDeviceError with SDL's text when no device can be opened for the wave.
    SdlSoundDevice(std::unique_ptr<WaveStream> wave, SoundBackEnd::EndNotice ended);
    ~SdlSoundDevice() override;
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    int play() override;
    int seekToStart() override;
    int pause() override;
    int resume() override;
    int stop() override;
    Mode mode() override;
    std::uint64_t position() override;
    std::uint64_t length() override;

private:
    static void SDLCALL feed(void* self, Uint8* out, int bytes);
    void fill(Uint8* out, int bytes);
    bool refill();
    void giveUp();
    void setPaused(bool paused);
    std::uint64_t milliseconds(std::uint64_t frames) const;

    std::unique_ptr<WaveStream> m_wave;
    SoundBackEnd::EndNotice m_ended;
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_spec {};
    SDL_AudioStream* m_stream = nullptr;
    std::vector<Uint8> m_piece;

    // Shared with the audio thread, under the device's lock.
    bool m_running = false;
    bool m_pausedByUser = false;
    bool m_sourceDone = false;
    bool m_flushed = false;
    bool m_finished = false;
    bool m_streamFailed = false;
};
