#pragma once

#include "desktop/DesktopBackground.h"

#include <functional>

// KDE Plasma: a script for the shell's scripting interface (org.kde.PlasmaShell.evaluateScript
// over the session bus) that gives every desktop the image wallpaper plugin with the picture and
// its fill mode (3 tiled, 6 centred) on the desktop's colour, and prints what each desktop then
// holds, which the shell hands back.
class PlasmaBackground : public DesktopBackground {
public:
    struct Reply {
        bool called = false; // false: the shell was not reached or refused the script
        std::string text; // what the script printed, or why the call failed
    };
    // Hands the script to the shell.
    using Evaluate = std::function<Reply(const std::string& script)>;

    // Without an evaluator, the session bus is called.
    explicit PlasmaBackground(Evaluate evaluate = {});

    std::string name() const override { return "KDE Plasma"; }
    void show(const WindowsWallpaper& wallpaper) override;

    static std::string script(const WindowsWallpaper& wallpaper);
    // The line the script prints for each desktop that kept the wallpaper.
    static std::string expectedAnswer(const WindowsWallpaper& wallpaper);

private:
    static std::string imageUrl(const WindowsWallpaper& wallpaper);

    Evaluate m_evaluate;
};
