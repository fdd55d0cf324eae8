#pragma once

#include "win32ui/skin/TSkinnedForm.h"

class TWindowSet;

// The Control Center: five module buttons that open the panels, the logo that opens the about
// window, and the minimise and close buttons.
class Tthemainform : public TSkinnedForm {
public:
    Tthemainform(TWindowSet& windows, HWND owner);

    bool logoHighlighted() const;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void logoaboutMouseMove();
    void backgroundMouseMove();
    void logoabout2Click();

private:
    void openPanel(const char* panel);

    TWindowSet& windows_;
};
