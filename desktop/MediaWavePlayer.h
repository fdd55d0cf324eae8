#pragma once

#include "desktop/WavePlayer.h"

#include <memory>

class SoundBackEnd;

// The sound panel's test player, played once and waited for.
class MediaWavePlayer : public WavePlayer {
public:
    // Without a back end, the platform's.
    explicit MediaWavePlayer(std::shared_ptr<SoundBackEnd> backEnd = {});

    // Throws the player's open error, or "Cannot play %s" when the open sound would not start.
    void playOnce(const std::string& path) override;

private:
    std::shared_ptr<SoundBackEnd> m_backEnd;
};
