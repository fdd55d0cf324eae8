#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// One sound opened on an audio back end: the commands the test player gives it. Commands answer
// 0 for success or the back end's error code. Closing is destroying it, which stops the sound.
class SoundDevice {
public:
    // The back end's mode numbers; only playing and paused matter to the player.
    enum class Mode { NotReady = 524, Stopped, Playing, Recording, Seeking, Paused, Open };

    virtual ~SoundDevice() = default;

    // Plays from the current position and returns at once.
    virtual int play() = 0;
    virtual int seekToStart() = 0;
    virtual int pause() = 0;
    virtual int resume() = 0;
    virtual int stop() = 0;
    virtual Mode mode() = 0;
    // In milliseconds. The position equals the length only once the sound has been played out.
    virtual std::uint64_t position() = 0;
    virtual std::uint64_t length() = 0;
};

// Opens sounds from files.
class SoundBackEnd {
public:
    // Called from the back end's own thread when a play ends: `completed` is false when the sound
    // could not be read on to its end.
    using EndNotice = std::function<void(bool completed)>;

    virtual ~SoundBackEnd() = default;

    // Throws EMCIDeviceError with the back end's text for the failure (empty when it has none).
    virtual std::unique_ptr<SoundDevice> open(const std::string& fileName, EndNotice ended) = 0;
};

// The back end this build plays sounds with.
std::shared_ptr<SoundBackEnd> platformSoundBackEnd();
