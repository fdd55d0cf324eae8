#pragma once

#include "panels/wallpaper/WallpaperPanel.h"
#include "shell/skin/TSkinnedForm.h"

#include <memory>

class CycleListModel;
class TWindowSet;

// The wallpaper panel. It shows the state of its WallpaperPanel in the controls and hands every
// user action to it.
class Tmurelloform : public TSkinnedForm {
    Q_OBJECT
public:
    // Loads "murello.dat" and "murello.cfg" from the program's folder; a file that can't be read is
    // reported and the start goes on.
    explicit Tmurelloform(TWindowSet& windows);
    ~Tmurelloform() override;

    const WallpaperPanel& panel() const { return *panel_; }

    void ListClick();
    void ListDblClick();
    void tileClick();
    void ranClick();
    void enableClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void BitBtn9Click();
    void BitBtn11Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WallpaperPanel::FileNames chooseBitmaps();
    // The list control follows the model's selection without it counting as the user's.
    void showSelection();
    void showSwitches();
    void showPreview();

    TWindowSet& windows_;
    std::unique_ptr<WallpaperPanel> panel_;
    CycleListModel* listModel_ = nullptr;
    bool followingModel_ = false;
    // A click on the entry that is already selected previews it afresh.
    bool selectedByThisPress_ = false;
};
