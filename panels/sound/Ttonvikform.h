#pragma once

#include "panels/TModulePanel.h"

class TWindowSet;

// The sound panel.
class Ttonvikform : public TModulePanel {
    Q_OBJECT
public:
    explicit Ttonvikform(TWindowSet& windows);

    void Button4Click();
    void Button6Click();
    void BitBtn7Click();
};
