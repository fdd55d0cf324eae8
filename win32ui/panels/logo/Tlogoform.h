#pragma once

#include "panels/logo/LogoPanel.h"
#include "win32ui/panels/TCyclePanel.h"

#include <memory>

// The logo panel on Windows: Add and Insert take only bitmaps that pass the logo check, the
// selected logo is previewed, and Save and Exit writes logo.sys in the root of the Windows drive.
class Tlogoform : public TCyclePanel {
public:
    Tlogoform(TWindowSet& windows, HWND owner);
    ~Tlogoform() override;

    void BitBtn1Click();

private:
    void showEntry() override;

    std::unique_ptr<LogoPanel> panel_;
};
