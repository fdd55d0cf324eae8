#pragma once

#include "win32ui/skin/TSkinnedForm.h"

class TWindowSet;

// A window without a class of its own yet: its face from the table, and a way back to the Control
// Center by its cancel button (Esc), its close box or the system's close.
class TPlainForm : public TSkinnedForm {
public:
    TPlainForm(const TWindowGeometry& table, TWindowSet& windows, HWND owner);

    void leave() override;

private:
    TWindowSet& windows_;
};
