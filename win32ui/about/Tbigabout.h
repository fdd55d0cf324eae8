#pragma once

#include "cycle/win32/Win32System.h"
#include "win32ui/skin/TSkinnedForm.h"

class TWindowSet;

// The about window, shown from the Control Center's logo: credits, the two contact entries that
// hand their address to the shell, OK back to the Control Center and Quit.
class Tbigabout : public TSkinnedForm {
public:
    Tbigabout(TWindowSet& windows, HWND owner);

    void ListBox1Click(int row);
    void okbutClick();
    void quitbutClick();

private:
    TWindowSet& windows_;
    Win32System system_;
};
