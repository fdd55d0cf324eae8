#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Asks before the sound panel is left without saving; not modal.
class Tcancelform2 : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tcancelform2(TWindowSet& windows);

    void BitBtn1Click();
    void BitBtn2Click();

private:
    TWindowSet& windows_;
};
