#pragma once

#include "panels/sound/SoundApply.h"
#include "zentrel-cycle/CycleServices.h"

#include <iosfwd>
#include <memory>
#include <string>

class Registry;
class WavePlayer;

// Windows played the shutdown event's wave (AppEvents\Schemes\Apps\.Default\SystemExit\.Current)
// at every shutdown; this plays it once when the session ends.
class SessionEnd {
public:
    SessionEnd(CycleServices services, std::shared_ptr<WavePlayer> player, std::ostream& out, std::ostream& errors);

    // Plays it now, to its end or for its length and a second more; nothing when none is set.
    // One line; false when it failed (its message on `errors`).
    bool playShutdownSound(bool dryRun = false);

    // Blocks until the session ends: the X display `display` closes (when given), or the session
    // ends this process with SIGTERM, SIGHUP or SIGINT. Then plays (a dry run says what it would play).
    bool awaitAndPlay(const std::string& display, bool dryRun = false);

private:
    CycleServices m_services;
    std::shared_ptr<WavePlayer> m_player;
    std::ostream& m_out;
    std::ostream& m_errors;
};

// The wave set for the event in the registry; empty when none is.
std::string eventWave(Registry& registry, SoundEvent event);
