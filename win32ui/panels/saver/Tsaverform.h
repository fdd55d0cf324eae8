#pragma once

#include "panels/saver/SaverPanel.h"
#include "win32ui/panels/TCyclePanel.h"

#include <memory>

// The screen-saver panel on Windows: Preview and Options start the selected screen saver through
// the shell, and Save and Exit writes system.ini.
class Tsaverform : public TCyclePanel {
public:
    Tsaverform(TWindowSet& windows, HWND owner);
    ~Tsaverform() override;

private:
    std::unique_ptr<SaverPanel> panel_;
};
