#pragma once

#include "panels/sound/SoundPanel.h"
#include "win32ui/panels/TModulePanel.h"
#include "win32ui/panels/sound/TNoticeWindow.h"

#include <memory>

// The sound panel on Windows. It shows the state of its SoundPanel in the controls and hands every
// user action to it; the test player plays through MCI.
class Ttonvikform : public TModulePanel {
public:
    Ttonvikform(TWindowSet& windows, HWND owner);
    ~Ttonvikform() override;

    SoundPanel& panel() const { return *panel_; }

    void Button1Click();
    void Button3Click();
    void Button5Click();
    void BitBtn8Click() { panel_->play(); }
    void BitBtn9Click() { panel_->pause(); }
    void BitBtn10Click() { panel_->stop(); }

private:
    void listClick(SoundList which, SoundPanel::Row row);
    void listDblClick(SoundList which);
    void editBoxClick(SoundList which);
    SoundPanel::FileNames chooseWaves();
    void showSelection() override;
    std::vector<std::string> reloadModel(bool onlyWhenChanged) override;
    void showSwitches() override;

    // Outlives the player, so that no notice is posted to a window that is gone.
    TNoticeWindow notices_;
    std::unique_ptr<SoundPanel> panel_;
};
