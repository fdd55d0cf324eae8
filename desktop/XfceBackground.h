#pragma once

#include "desktop/DesktopBackground.h"
#include "desktop/X11Screen.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CommandRunner;

// XFCE keeps a picture per monitor and workspace in the xfce4-desktop channel of xfconf; every
// backdrop that has a "last-image" there gets the picture, its "image-style" the tiling (2 tiled,
// 1 centred) and a solid colour. A desktop that has none yet (a first login, before xfdesktop
// wrote them) gets them for every workspace of every output under the name xfdesktop gives
// them: "monitor" and RandR's output name.
class XfceBackground : public DesktopBackground {
public:
    XfceBackground(std::shared_ptr<CommandRunner> runner, std::function<X11Screen()> screen);

    std::string name() const override { return "XFCE"; }
    // Throws "xfconf-query cannot be run" when the tool is missing, names a property that could not
    // be set, and says so when xfconf did not keep what was set.
    void show(const WindowsWallpaper& wallpaper) override;

private:
    std::vector<std::string> backdrops();
    std::string query(const std::vector<std::string>& arguments, const std::string& property);

    std::shared_ptr<CommandRunner> m_runner;
    std::function<X11Screen()> m_screen;
};
