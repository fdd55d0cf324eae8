#pragma once

#include "panels/logo/LogoPanel.h"
#include "shell/skin/TSkinnedForm.h"

#include <memory>

class CycleListModel;
class TWindowSet;

// The start-up logo panel. It shows the state of its LogoPanel in the controls and hands every
// user action to it.
class Tlogoform : public TSkinnedForm {
    Q_OBJECT
public:
    // Loads "brisko.dat" and "brisko.cfg" from the program's folder; a file that can't be read is
    // reported and the start goes on.
    explicit Tlogoform(TWindowSet& windows);
    ~Tlogoform() override;

    const LogoPanel& panel() const { return *panel_; }

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void BitBtn1Click();
    void BitBtn8Click();
    void listClick();
    void listDblClick();
    void enableClick();
    void ranClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LogoPanel::FileNames chooseBitmaps();
    // The list control follows the model's selection without it counting as the user's.
    void showSelection();
    void showSwitches();
    void showPreview();

    TWindowSet& windows_;
    std::unique_ptr<LogoPanel> panel_;
    CycleListModel* listModel_ = nullptr;
    bool followingModel_ = false;
    // A click on the entry that is already selected previews it afresh.
    bool selectedByThisPress_ = false;
};
