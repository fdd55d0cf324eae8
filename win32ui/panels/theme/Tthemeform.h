#pragma once

#include "panels/theme/ThemePanel.h"
#include "win32ui/panels/TCyclePanel.h"

#include <memory>

// The theme panel on Windows: Theme Preview/Options and Save and Exit hand the theme file to the
// shell, whose Desktop Themes opens or applies it.
class Tthemeform : public TCyclePanel {
public:
    Tthemeform(TWindowSet& windows, HWND owner);
    ~Tthemeform() override;

private:
    std::unique_ptr<ThemePanel> panel_;
};
