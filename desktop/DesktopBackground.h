#pragma once

#include <string>

struct WindowsWallpaper;

// Sets the background of the desktop the user is running, by that desktop's own means.
class DesktopBackground {
public:
    virtual ~DesktopBackground() = default;
    // How the output line names the desktop: "GNOME", "the X11 root window", ...
    virtual std::string name() const = 0;
    // Throws an Exception saying why when this desktop can't show a wallpaper from here at all;
    // changes nothing, so a dry run asks it too.
    virtual void checkShowable() const { }
    // Throws an Exception with a message for the user when the desktop can't be told, or did not
    // take the wallpaper.
    virtual void show(const WindowsWallpaper& wallpaper) = 0;
};
