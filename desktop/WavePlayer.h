#pragma once

#include <string>

// Plays a wave once, for the start or the end of the session.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // Returns when the sound has ended, or after its length and one second more. Throws an
    // Exception with the player's message when the wave can't be opened or played.
    virtual void playOnce(const std::string& path) = 0;
};
