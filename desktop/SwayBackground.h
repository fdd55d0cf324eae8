#pragma once

#include "desktop/DesktopBackground.h"

#include <memory>

class CommandRunner;

// sway and the wlroots compositors that speak its IPC (SWAYSOCK names the socket): every output
// gets `swaymsg output '*' bg FILE tile|center #rrggbb`, the colour showing around a centred picture.
class SwayBackground : public DesktopBackground {
public:
    explicit SwayBackground(std::shared_ptr<CommandRunner> runner);

    std::string name() const override { return "sway"; }
    void show(const WindowsWallpaper& wallpaper) override;

private:
    std::shared_ptr<CommandRunner> m_runner;
};
