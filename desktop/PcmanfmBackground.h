#pragma once

#include "desktop/DesktopBackground.h"

#include <memory>

class CommandRunner;

// LXDE's pcmanfm and LXQt's pcmanfm-qt draw the desktop; the running one takes a new wallpaper
// from `PROGRAM --set-wallpaper FILE --wallpaper-mode tile|center`, passed on by a second start.
// Neither takes a colour from the command line: a centred picture sits on the desktop's own.
class PcmanfmBackground : public DesktopBackground {
public:
    // `program` "pcmanfm" or "pcmanfm-qt"; `desktop` how the output line names the desktop.
    PcmanfmBackground(std::string program, std::string desktop, std::shared_ptr<CommandRunner> runner);

    std::string name() const override { return m_desktop; }
    void show(const WindowsWallpaper& wallpaper) override;

private:
    std::string m_program, m_desktop;
    std::shared_ptr<CommandRunner> m_runner;
};
