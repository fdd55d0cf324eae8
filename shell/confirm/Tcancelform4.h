#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Asks before the logo panel is left without saving; not modal.
class Tcancelform4 : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tcancelform4(TWindowSet& windows);

    void BitBtn1Click();
    void BitBtn2Click();

private:
    TWindowSet& windows_;
};
