#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// The wallpaper panel.
class Tmurelloform : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tmurelloform(TWindowSet& windows);

    void BitBtn4Click();
    void BitBtn8Click();
    void BitBtn9Click();
    void BitBtn11Click();

private:
    TWindowSet& windows_;
};
