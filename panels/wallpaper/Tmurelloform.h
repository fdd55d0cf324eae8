#pragma once

#include "panels/TCyclePanel.h"
#include "panels/wallpaper/WallpaperPanel.h"

#include <memory>

class TWindowSet;

// The wallpaper panel. It shows the state of its WallpaperPanel in the controls and hands every
// user action to it.
class Tmurelloform : public TCyclePanel {
    Q_OBJECT
public:
    // Loads "murello.dat" and "murello.cfg" from the program's folder; a file that can't be read is
    // reported and the start goes on.
    explicit Tmurelloform(TWindowSet& windows);
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
};
