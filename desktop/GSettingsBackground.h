#pragma once

#include "desktop/DesktopBackground.h"

// The GNOME family's background settings through GIO's GSettings: GNOME, Unity, Budgie and
// Pantheon share org.gnome.desktop.background; Cinnamon and MATE have schemas of their own.
class GSettingsBackground : public DesktopBackground {
public:
    enum class Family { Gnome, Cinnamon, Mate };
    explicit GSettingsBackground(Family family);

    std::string name() const override;
    // Throws "The settings schema %s is not installed" when the desktop's schema is missing.
    void show(const WindowsWallpaper& wallpaper) override;

    // The schema this family's background lives in.
    const char* schema() const;

private:
    Family m_family;
};
