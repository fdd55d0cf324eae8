#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// The theme panel.
class Tthemeform : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tthemeform(TWindowSet& windows);

    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn8Click();

private:
    TWindowSet& windows_;
};
