#pragma once

#include "shell/help/THelpWindow.h"

class TWindowSet;

// Help for the theme panel.
class Tthemehelp : public THelpWindow {
    Q_OBJECT
public:
    explicit Tthemehelp(TWindowSet& windows);
};
