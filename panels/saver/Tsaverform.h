#pragma once

#include "panels/saver/SaverPanel.h"
#include "shell/skin/TSkinnedForm.h"

#include <memory>

class CycleListModel;
class TWindowSet;

// The screen-saver panel. It shows the state of its SaverPanel in the controls and hands every
// user action to it.
class Tsaverform : public TSkinnedForm {
    Q_OBJECT
public:
    // Loads "dozarn.dat" and "dozarn.cfg" from the program's folder; a file that can't be read is
    // reported and the start goes on. Without a system given, the program's own starts the
    // screen savers.
    explicit Tsaverform(TWindowSet& windows, std::shared_ptr<System> system = {});
    ~Tsaverform() override;

    const SaverPanel& panel() const { return *panel_; }

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button9Click();
    void Button7Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void BitBtn9Click();
    void listDblClick();

private:
    SaverPanel::FileNames chooseScreenSavers();
    // The model acts on the entry the list control shows selected, and the control then shows
    // the model's selection.
    void takeSelection();
    void showSelection();
    void showNext();

    TWindowSet& windows_;
    std::unique_ptr<SaverPanel> panel_;
    CycleListModel* listModel_ = nullptr;
};
