#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// The start-up logo panel.
class Tlogoform : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tlogoform(TWindowSet& windows);

    void Button5Click();
    void Button6Click();
    void BitBtn8Click();

private:
    TWindowSet& windows_;
};
