#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Help for the screen-saver panel: an ordinary bordered window, not modal.
class Tsaverhelp : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tsaverhelp(TWindowSet& windows);

    void Button1Click();
};
