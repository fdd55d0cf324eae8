#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Asks before the screen-saver panel is left without saving; not modal.
class Tcancelform3 : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tcancelform3(TWindowSet& windows);

    void BitBtn1Click();
    void BitBtn2Click();

private:
    TWindowSet& windows_;
};
