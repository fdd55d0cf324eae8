#pragma once

#include "shell/skin/TSkinnedForm.h"

class TModulePanel;
class TWindowSet;

// The Control Center: five module buttons that open the panels, the logo that opens the about
// window, and the minimise and close buttons.
class Tthemainform : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tthemainform(TWindowSet& windows);

    bool logoHighlighted() const;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void logoaboutMouseMove();
    void backgroundMouseMove();
    void logoabout2Click();

private:
    void openPanel(TModulePanel& panel);

    TWindowSet& windows_;
};
