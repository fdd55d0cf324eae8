#pragma once

#include "cycle/cli/CycleServices.h"

#include <iosfwd>
#include <memory>

class DesktopBackground;
class WavePlayer;

// Carries what Windows would show at start onto the running desktop: the stand-in machine's
// wallpaper as the desktop's background, then its start-up sound. It reads the machine and changes
// none of its files.
class Presenter {
public:
    // `background` null: the session has no desktop to show anything on, nor to play to.
    Presenter(CycleServices services, std::unique_ptr<DesktopBackground> background, std::shared_ptr<WavePlayer> player,
        std::ostream& out, std::ostream& errors);
    ~Presenter();

    // One line per thing shown; returns false when one failed (its message on `errors`).
    bool present();

private:
    bool showWallpaper();
    bool playStartupSound();
    void fail(const std::string& what, const std::string& message);

    CycleServices m_services;
    std::unique_ptr<DesktopBackground> m_background;
    std::shared_ptr<WavePlayer> m_player;
    std::ostream& m_out;
    std::ostream& m_errors;
};
