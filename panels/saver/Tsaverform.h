#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// The screen-saver panel.
class Tsaverform : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tsaverform(TWindowSet& windows);

    void Button5Click();
    void Button6Click();
    void BitBtn9Click();

private:
    TWindowSet& windows_;
};
