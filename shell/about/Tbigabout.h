#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// The about window, shown from the Control Center's logo.
class Tbigabout : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tbigabout(TWindowSet& windows);

    void okbutClick();
    void quitbutClick();

private:
    TWindowSet& windows_;
};
