#pragma once

#include "desktop/DesktopBackground.h"

#include <memory>
#include <string>
#include <vector>

class CommandRunner;

// XFCE keeps a picture per monitor and workspace in the xfce4-desktop channel of xfconf; every
// "last-image" property there gets the picture and its "image-style" the tiling (2 tiled,
// 1 centred). A desktop that has none yet gets them for the first monitor and workspace.
class XfceBackground : public DesktopBackground {
public:
    explicit XfceBackground(std::shared_ptr<CommandRunner> runner);

    std::string name() const override { return "XFCE"; }
    // Throws "xfconf-query cannot be run" when the tool is missing, and names a command that failed.
    void show(const WindowsWallpaper& wallpaper) override;

private:
    void query(const std::vector<std::string>& arguments, std::string* output = nullptr);

    std::shared_ptr<CommandRunner> m_runner;
};
