#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Asks before the theme panel is left without saving; not modal.
class Tcancelform5 : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tcancelform5(TWindowSet& windows);

    void BitBtn1Click();
    void BitBtn2Click();

private:
    TWindowSet& windows_;
};
