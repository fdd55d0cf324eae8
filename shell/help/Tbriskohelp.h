#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Help for the logo panel: an ordinary bordered window, not modal.
class Tbriskohelp : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tbriskohelp(TWindowSet& windows);

    void Button1Click();
};
