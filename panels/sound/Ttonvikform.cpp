#include "panels/sound/Ttonvikform.h"

#include "panels/sound/SoundApply.h"
#include "panels/sound/TMediaPlayer.h"
#include "panels/sound/TtonvikformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform2.h"
#include "shell/help/Thelp.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TFileDialog.h"

#include <QCheckBox>

namespace {

const char* const listNames[] = { "inlist", "outlist" };

} // namespace

Ttonvikform::Ttonvikform(TWindowSet& windows)
    : TModulePanel(TtonvikformGeometry, windows,
        { "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", [](TWindowSet& w) { w.cancelform2().showWindow(); },
            [](TWindowSet& w) { w.help().showWindow(); } },
        soundModule(std::make_shared<SoundApply>(machineRegistry(windows.programDirectory()))),
        { { "inlist", "inenable", "inran", "innext" }, { "outlist", "outenable", "outran", "outnext" } })
    , panel_(std::make_unique<SoundPanel>(model(), std::make_unique<TMediaPlayer>()))
{
    describeSaves({ "Start-up sound", "Shutdown sound" }, TDesktopShow::What::StartupSound);
    connectList(StartupSounds);
    connectList(ShutdownSounds);
    onClick("inedit", [this] { ineditClick(); });
    onClick("outedit", [this] { outeditClick(); });
    onClick("BitBtn1", [this] { Button1Click(); });
    onClick("BitBtn2", [this] { Button3Click(); });
    onClick("BitBtn3", [this] { Button5Click(); });
    onClick("BitBtn8", [this] { BitBtn8Click(); });
    onClick("BitBtn9", [this] { BitBtn9Click(); });
    onClick("BitBtn10", [this] { BitBtn10Click(); });
    showSwitches();
}

Ttonvikform::~Ttonvikform() = default;

void Ttonvikform::connectList(SoundList which)
{
    lists_[which] = std::make_unique<TListSelection>(
        listBox(listNames[which]), followingModel_, [this, which](SoundPanel::Row row) { listClick(which, row); },
        [this, which] { listDblClick(which); });
}

void Ttonvikform::listClick(SoundList which, SoundPanel::Row row)
{
    panel_->select(which, row);
    showSwitches();
}

void Ttonvikform::listDblClick(SoundList which)
{
    panel_->chooseNext(which);
    showSwitches();
}

void Ttonvikform::ineditClick()
{
    panel_->clickEditBox(StartupSounds, checkBox("inedit")->isChecked());
    showSwitches();
}

void Ttonvikform::outeditClick()
{
    panel_->clickEditBox(ShutdownSounds, checkBox("outedit")->isChecked());
    showSwitches();
}

SoundPanel::FileNames Ttonvikform::chooseWaves()
{
    return TFileDialog::openFiles(this, "Wav Sound Files|*.wav");
}

void Ttonvikform::Button1Click()
{
    SoundPanel::FileNames files = chooseWaves();
    change([&] { panel_->add(files); });
}

void Ttonvikform::Button3Click()
{
    SoundPanel::FileNames files = chooseWaves();
    change([&] { panel_->insert(files); });
}

void Ttonvikform::Button5Click()
{
    change([this] { panel_->remove(); });
}

void Ttonvikform::BitBtn8Click()
{
    panel_->play();
}

void Ttonvikform::BitBtn9Click()
{
    panel_->pause();
}

void Ttonvikform::BitBtn10Click()
{
    panel_->stop();
}

std::vector<std::string> Ttonvikform::reloadModel(bool onlyWhenChanged)
{
    return onlyWhenChanged ? panel_->refresh() : panel_->load();
}

void Ttonvikform::showSelection()
{
    for (SoundList which : { StartupSounds, ShutdownSounds })
        lists_[which]->show(panel_->selected(which));
}

void Ttonvikform::showSwitches()
{
    checkBox("inedit")->setChecked(panel_->editTarget() == StartupSounds);
    checkBox("outedit")->setChecked(panel_->editTarget() == ShutdownSounds);
    showModel();
}
