#pragma once

#include "shell/help/THelpWindow.h"

class TWindowSet;

// Help for the logo panel.
class Tbriskohelp : public THelpWindow {
    Q_OBJECT
public:
    explicit Tbriskohelp(TWindowSet& windows);
};
