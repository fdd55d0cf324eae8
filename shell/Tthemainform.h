#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// The Control Center: five module buttons that open the panels, the logo that opens the about
// window, and the minimise and close buttons (shell/TthemainformWiring.h).
class Tthemainform : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tthemainform(TWindowSet& windows);

    bool logoHighlighted() const;

    // A module button: its panel opens in place of the Control Center.
    void openPanel(const char* panel);
    void BitBtn6Click();
    void BitBtn7Click();
    void logoaboutMouseMove();
    void backgroundMouseMove();
    void logoabout2Click();

private:
    TWindowSet& windows_;
};
