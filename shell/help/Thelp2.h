#pragma once

#include "shell/help/THelpWindow.h"

class TWindowSet;

// Help for the wallpaper panel.
class Thelp2 : public THelpWindow {
    Q_OBJECT
public:
    explicit Thelp2(TWindowSet& windows);
};
