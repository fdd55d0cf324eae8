#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Help for the wallpaper panel: an ordinary bordered window, not modal.
class Thelp2 : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Thelp2(TWindowSet& windows);

    void Button1Click();
};
