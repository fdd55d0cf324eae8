#pragma once

#include "shell/help/THelpWindow.h"

class TWindowSet;

// Help for the sound panel.
class Thelp : public THelpWindow {
    Q_OBJECT
public:
    explicit Thelp(TWindowSet& windows);
};
