#pragma once

#include "panels/TListSelection.h"
#include "panels/TModulePanel.h"
#include "panels/sound/SoundPanel.h"

#include <memory>

class TWindowSet;

// The sound panel. It shows the state of its SoundPanel in the controls and hands every user
// action to it.
class Ttonvikform : public TModulePanel {
    Q_OBJECT
public:
    explicit Ttonvikform(TWindowSet& windows);
    ~Ttonvikform() override;

    SoundPanel& panel() const { return *panel_; }

    void Button1Click();
    void Button3Click();
    void Button5Click();
    void BitBtn8Click();
    void BitBtn9Click();
    void BitBtn10Click();
    void ineditClick();
    void outeditClick();
    void inlistDblClick() { listDblClick(StartupSounds); }
    void outlistDblClick() { listDblClick(ShutdownSounds); }

private:
    void connectList(SoundList which);
    void listClick(SoundList which, SoundPanel::Row row);
    void listDblClick(SoundList which);
    SoundPanel::FileNames chooseWaves();
    void showSelection() override;
    std::vector<std::string> reloadModel(bool onlyWhenChanged) override;
    void showSwitches() override;

    std::unique_ptr<SoundPanel> panel_;
    // They go before the panel, so no selection reaches it once it is gone.
    std::unique_ptr<TListSelection> lists_[2];
};
