#pragma once

#include "panels/TModulePanel.h"

class TWindowSet;

// The start-up logo panel.
class Tlogoform : public TModulePanel {
    Q_OBJECT
public:
    explicit Tlogoform(TWindowSet& windows);

    void Button5Click();
    void Button6Click();
    void BitBtn8Click();
};
