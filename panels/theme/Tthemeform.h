#pragma once

#include "panels/TModulePanel.h"

class TWindowSet;

// The theme panel.
class Tthemeform : public TModulePanel {
    Q_OBJECT
public:
    explicit Tthemeform(TWindowSet& windows);

    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn8Click();
};
