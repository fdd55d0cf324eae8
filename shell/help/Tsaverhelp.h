#pragma once

#include "shell/help/THelpWindow.h"

class TWindowSet;

// Help for the screen-saver panel.
class Tsaverhelp : public THelpWindow {
    Q_OBJECT
public:
    explicit Tsaverhelp(TWindowSet& windows);
};
