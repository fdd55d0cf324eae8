#include "panels/sound/SdlSoundBackEnd.h"

#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/SdlSoundDevice.h"
#include "panels/sound/WaveStream.h"

#include <SDL.h>

SdlSoundBackEnd::SdlSoundBackEnd()
{
    // SDL must leave the program's own handling of Ctrl-C and termination alone.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

SdlSoundBackEnd::~SdlSoundBackEnd()
{
    if (m_started)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::unique_ptr<SoundDevice> SdlSoundBackEnd::open(const std::string& fileName, EndNotice ended)
{
    auto wave = std::make_unique<WaveStream>(fileName);
    if (!m_started) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            throw EMCIDeviceError(SDL_GetError());
        m_started = true;
    }
    return std::make_unique<SdlSoundDevice>(std::move(wave), std::move(ended));
}

std::shared_ptr<SoundBackEnd> platformSoundBackEnd()
{
    return std::make_shared<SdlSoundBackEnd>();
}
