#pragma once

#include "cycle/CycleModule.h"
#include "panels/TModulePanel.h"

#include <memory>

class System;
class Tthemeview;
class TWindowSet;
struct ThemeSettings;

// The theme panel. Its Save and its preview hand the theme files to the shell.
class Tthemeform : public TModulePanel {
    Q_OBJECT
public:
    explicit Tthemeform(TWindowSet& windows);
    ~Tthemeform() override;

    // Where no theme software exists, "open" on a theme shows it in this window of the panel's own.
    Tthemeview& themeview() const { return *themeview_; }

    void listDblClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn7Click();

private:
    Tthemeform(TWindowSet& windows, std::shared_ptr<System> shell);

    CycleModule::Row selectedRow() const;
    void selectRow(CycleModule::Row row);
    CycleModule::FileNames chooseThemes();
    void showTheme(const ThemeSettings& theme);

    std::shared_ptr<System> shell_;
    std::unique_ptr<Tthemeview> themeview_;
};
