#pragma once

#include "panels/TCyclePanel.h"
#include "panels/saver/SaverPanel.h"

#include <memory>

class TWindowSet;

// The screen-saver panel. It shows the state of its SaverPanel in the controls and hands every
// user action to it.
class Tsaverform : public TCyclePanel {
    Q_OBJECT
public:
    // Loads "dozarn.dat" and "dozarn.cfg" from the program's folder; a file that can't be read is
    // reported and the start goes on. Without a system given, the program's own starts the
    // screen savers.
    explicit Tsaverform(TWindowSet& windows, std::shared_ptr<System> system = {});
    ~Tsaverform() override;

    const SaverPanel& panel() const { return *panel_; }

private:
    std::unique_ptr<SaverPanel> panel_;
};
