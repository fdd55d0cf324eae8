#pragma once

#include "panels/TCyclePanel.h"
#include "panels/logo/LogoPanel.h"

#include <memory>

class TWindowSet;

// The start-up logo panel. It shows the state of its LogoPanel in the controls and hands every
// user action to it.
class Tlogoform : public TCyclePanel {
    Q_OBJECT
public:
    // Loads "brisko.dat" and "brisko.cfg" from the program's folder; a file that can't be read is
    // reported and the start goes on.
    explicit Tlogoform(TWindowSet& windows);
    ~Tlogoform() override;

    const LogoPanel& panel() const { return *panel_; }

    void BitBtn1Click();

private:
    void showEntry() override;

    std::unique_ptr<LogoPanel> panel_;
};
