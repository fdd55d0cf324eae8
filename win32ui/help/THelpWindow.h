#pragma once

#include "win32ui/skin/TSkinnedForm.h"

#include <memory>

class TWindowSet;

// A panel's help (Thelp2, Thelp, Tsaverhelp, Tbriskohelp, Tthemehelp): an ordinary bordered window
// with the panel's help text, an OK button that has the focus and answers Esc, and the panel's name
// in bold. Not modal.
class THelpWindow : public TSkinnedForm {
public:
    THelpWindow(const TWindowGeometry& table, HWND owner);

    // Hides the help window and nothing else.
    void Button1Click();

protected:
    void shown() override;
};

// The five help windows by window class; nullptr for any other class.
std::unique_ptr<TSkinnedForm> makeHelpWindow(const TWindowGeometry& table, TWindowSet& windows, HWND owner);
