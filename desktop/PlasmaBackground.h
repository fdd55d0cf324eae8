#pragma once

#include "desktop/DesktopBackground.h"

#include <functional>
#include <optional>

// KDE Plasma: a script for the shell's scripting interface (org.kde.PlasmaShell.evaluateScript
// over the session bus) that gives every desktop the image wallpaper plugin with the picture and
// its fill mode (3 tiled, 6 centred).
class PlasmaBackground : public DesktopBackground {
public:
    // Hands the script to the shell; returns the error text when the call failed.
    using Evaluate = std::function<std::optional<std::string>(const std::string& script)>;

    // Without an evaluator, the session bus is called.
    explicit PlasmaBackground(Evaluate evaluate = {});

    std::string name() const override { return "KDE Plasma"; }
    void show(const WindowsWallpaper& wallpaper) override;

    static std::string script(const WindowsWallpaper& wallpaper);

private:
    Evaluate m_evaluate;
};
