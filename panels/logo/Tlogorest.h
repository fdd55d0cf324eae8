#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Tells the user that Windows' own start-up logo is back.
class Tlogorest : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tlogorest(TWindowSet& windows);

    void BitBtn1Click();
};
