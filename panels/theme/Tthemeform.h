#pragma once

#include "cycle/CycleModule.h"
#include "panels/TModulePanel.h"

#include <memory>

class System;
class TWindowSet;

// The theme panel. Its Save and its preview hand the theme files to the shell.
class Tthemeform : public TModulePanel {
    Q_OBJECT
public:
    explicit Tthemeform(TWindowSet& windows);

    void listDblClick();
    void enableClick();
    void ranClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();

private:
    Tthemeform(TWindowSet& windows, std::shared_ptr<System> shell);

    CycleModule::Row selectedRow() const;
    void selectRow(CycleModule::Row row);
    CycleModule::FileNames chooseThemes();

    std::shared_ptr<System> shell_;
};
