#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// The sound panel.
class Ttonvikform : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Ttonvikform(TWindowSet& windows);

    void Button4Click();
    void Button6Click();
    void BitBtn7Click();

private:
    TWindowSet& windows_;
};
