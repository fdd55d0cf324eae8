#pragma once

#include "win32ui/skin/TSkinnedForm.h"

class TWindowSet;

// Tells the user that Windows' own start-up logo is back.
class Tlogorest : public TSkinnedForm {
public:
    Tlogorest(TWindowSet& windows, HWND owner);

    void BitBtn1Click() { hideWindow(); }
};
