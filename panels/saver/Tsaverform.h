#pragma once

#include "panels/TModulePanel.h"

class TWindowSet;

// The screen-saver panel.
class Tsaverform : public TModulePanel {
    Q_OBJECT
public:
    explicit Tsaverform(TWindowSet& windows);

    void Button5Click();
    void Button6Click();
    void BitBtn9Click();
};
