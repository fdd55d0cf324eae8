#pragma once

#include "panels/TCyclePanel.h"
#include "panels/theme/ThemePanel.h"

#include <memory>

class System;
class Tthemeview;
class TWindowSet;
class ThemePreview;

// The theme panel. It shows the state of its ThemePanel in the controls and hands every user
// action to it; its Save and its preview hand the theme files to the shell.
class Tthemeform : public TCyclePanel {
    Q_OBJECT
public:
    explicit Tthemeform(TWindowSet& windows);
    ~Tthemeform() override;

    const ThemePanel& panel() const { return *panel_; }
    // Where no theme software exists, "open" on a theme shows it in this window of the panel's own.
    Tthemeview& themeview() const { return *themeview_; }

private:
    Tthemeform(TWindowSet& windows, std::shared_ptr<System> shell);

    void showTheme(const ThemePreview& theme);

    std::unique_ptr<ThemePanel> panel_;
    std::unique_ptr<Tthemeview> themeview_;
};
