#pragma once

#include "desktop/DesktopBackground.h"
#include "desktop/X11Screen.h"

#include <functional>
#include <memory>

class CommandRunner;

// LXDE's pcmanfm and LXQt's pcmanfm-qt draw the desktop; the running one takes a new wallpaper
// from `PROGRAM --set-wallpaper FILE --wallpaper-mode tile|center`, passed on by a second start.
// Neither takes a colour from the command line: a centred picture sits on the desktop's own.
// A pcmanfm that runs without drawing the desktop takes the wallpaper too and shows nothing, and
// with none running the second start stays as the first: so on X11 the desktop window must be there.
class PcmanfmBackground : public DesktopBackground {
public:
    // `program` "pcmanfm" or "pcmanfm-qt"; `desktop` how the output line names the desktop;
    // `screen` the X display, or none where the desktop is not on X11.
    PcmanfmBackground(std::string program, std::string desktop, std::shared_ptr<CommandRunner> runner,
        std::function<X11Screen()> screen = {});

    std::string name() const override { return m_desktop; }
    // Throws when no desktop window covers the X display.
    void checkShowable() const override;
    void show(const WindowsWallpaper& wallpaper) override;

private:
    std::string m_program, m_desktop;
    std::shared_ptr<CommandRunner> m_runner;
    std::function<X11Screen()> m_screen;
};
