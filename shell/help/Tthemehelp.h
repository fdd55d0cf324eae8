#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Help for the theme panel: an ordinary bordered window, not modal.
class Tthemehelp : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tthemehelp(TWindowSet& windows);

    void Button1Click();
};
