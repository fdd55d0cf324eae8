#pragma once

#include "panels/sound/SoundDevice.h"

// Plays wave files on an SDL audio device: each open sound has a device of its own, fed on SDL's
// audio thread from the file through an SDL_AudioStream that converts to the device's format.
class SdlSoundBackEnd : public SoundBackEnd {
public:
    SdlSoundBackEnd();
    ~SdlSoundBackEnd() override;
    SdlSoundBackEnd(const SdlSoundBackEnd&) = delete;
    SdlSoundBackEnd& operator=(const SdlSoundBackEnd&) = delete;

    std::unique_ptr<SoundDevice> open(const std::string& fileName, EndNotice ended) override;

private:
    bool m_started = false;
};
