#pragma once

#include "zentrel-cycle/CycleServices.h"

#include <iosfwd>
#include <memory>

class DesktopBackground;
class WavePlayer;

// Carries what Windows would show at start onto the running desktop: the stand-in machine's
// wallpaper as the desktop's background, then its start-up sound. It reads the machine and changes
// none of its files.
class Presenter {
public:
    // Without a session nothing is shown or played, and that is a failure; without a background
    // only the sound plays.
    Presenter(CycleServices services, bool session, std::unique_ptr<DesktopBackground> background,
        std::shared_ptr<WavePlayer> player, std::ostream& out, std::ostream& errors);
    ~Presenter();

    // One line per thing shown; returns false when one failed or the wallpaper was not shown
    // (its message on `errors`); a win.ini that names no wallpaper is not a failure. A dry run
    // checks and says what it would show and play, and leaves the desktop as it is.
    bool present(bool dryRun = false);

private:
    bool showWallpaper(bool dryRun);
    bool playStartupSound(bool dryRun);
    void fail(const std::string& what, const std::string& message);

    CycleServices m_services;
    bool m_session;
    std::unique_ptr<DesktopBackground> m_background;
    std::shared_ptr<WavePlayer> m_player;
    std::ostream& m_out;
    std::ostream& m_errors;
};
