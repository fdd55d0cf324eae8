#pragma once

#include "panels/sound/SoundDevice.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The sound panel's test player: one sound at a time, opened from `FileName`, played, paused and
// stopped. Open reports failures as EMCIDeviceError; play, pause and stop only refuse to work
// without an open sound ("No MCI device open") and otherwise keep their errors in `error()`.
class SoundPlayer {
public:
    // How the last play ended, as its completion notice said.
    enum class Notice { None, Successful, Superseded, Aborted, Failed };

    // A play's end is told on the back end's own thread. The delivery hands the notice to the
    // thread that owns the player, which runs it there, or drops it should the player be gone.
    using NoticeDelivery = std::function<void(std::function<void()> notice)>;

    // Without a back end the player uses the build's own audio (SDL, or MCI on Windows).
    SoundPlayer(std::shared_ptr<SoundBackEnd> backEnd, NoticeDelivery deliver);
    // Closes the open sound, stopping it.
    virtual ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    std::string FileName;

    void open();
    void close();
    void play();
    // Pauses while playing, resumes while paused, and does nothing otherwise.
    void pause();
    void stop();

    bool opened() const { return m_device != nullptr; }
    int error() const { return m_error; }
    Notice notice() const { return m_notice; }
    SoundDevice::Mode mode() const;
    std::uint64_t position() const;
    std::uint64_t length() const;

    // Blocks until the sound is no longer playing, for callers without an event loop.
    void waitWhilePlaying() const;

private:
    SoundDevice& device() const;
    void record(int error) { m_error = error; }
    void settle(Notice notice);
    void ended(unsigned serial, bool completed);

    std::shared_ptr<SoundBackEnd> m_backEnd;
    NoticeDelivery m_deliver;
    std::unique_ptr<SoundDevice> m_device;
    unsigned m_serial = 0; // tells the notices of a closed sound from those of the open one
    int m_error = 0;
    bool m_notifyPending = false;
    Notice m_notice = Notice::None;
};
