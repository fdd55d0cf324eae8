#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Help for the sound panel: an ordinary bordered window, not modal.
class Thelp : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Thelp(TWindowSet& windows);

    void Button1Click();
};
