#pragma once

#include "desktop/PlasmaBackground.h"

#include <memory>
#include <string>

class CommandRunner;
class DesktopBackground;

// What the session's environment says about the desktop it runs.
struct SessionEnvironment {
    std::string currentDesktop; // XDG_CURRENT_DESKTOP: names separated by ":"
    std::string display; // DISPLAY
    std::string waylandDisplay; // WAYLAND_DISPLAY
    std::string swaySocket; // SWAYSOCK: sway, or a compositor that speaks its IPC

    static SessionEnvironment fromProcess();
    // False for a login without any graphical session (a console, a service).
    bool hasSession() const { return !currentDesktop.empty() || !display.empty() || !waylandDisplay.empty(); }
};

// The desktop's own means of setting its background: the desktop named in XDG_CURRENT_DESKTOP,
// else sway's IPC where its socket is named, else the root window of the X display. A desktop it knows no means for is
// one that says so when asked to show; null only without any session.
std::unique_ptr<DesktopBackground> chooseDesktopBackground(
    const SessionEnvironment& session, std::shared_ptr<CommandRunner> runner, PlasmaBackground::Evaluate evaluate = {});
