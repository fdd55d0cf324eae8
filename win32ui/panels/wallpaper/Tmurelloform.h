#pragma once

#include "panels/wallpaper/WallpaperPanel.h"
#include "win32ui/panels/TCyclePanel.h"

#include <memory>

// The wallpaper panel on Windows. It shows the state of its WallpaperPanel in the controls and hands
// every user action to it; Save and Exit writes win.ini and the desktop's registry values.
class Tmurelloform : public TCyclePanel {
public:
    // Loads "murello.dat" and "murello.cfg" from the program's folder; a file that can't be read is
    // reported and the start goes on.
    Tmurelloform(TWindowSet& windows, HWND owner);
    ~Tmurelloform() override;

    const WallpaperPanel& panel() const { return *panel_; }

    void tileClick();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();

private:
    void showEntry() override;
    void showSwitches() override;

    std::unique_ptr<WallpaperPanel> panel_;
    HFONT nextFont_ = nullptr;
};
