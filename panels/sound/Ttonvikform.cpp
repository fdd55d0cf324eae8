#include "panels/sound/Ttonvikform.h"

#include "panels/sound/SoundApply.h"
#include "panels/sound/TMediaPlayer.h"
#include "panels/sound/TtonvikformGeometry.h"
#include "panels/sound/TtonvikformWiring.h"
#include "shell/TWindowSet.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TFileDialog.h"

#include <QCheckBox>

Ttonvikform::Ttonvikform(TWindowSet& windows)
    : TModulePanel(TtonvikformGeometry, windows, TtonvikformWiring::verbs,
        soundModule(std::make_shared<SoundApply>(machineRegistry(windows.programDirectory()))),
        { TtonvikformWiring::lists[StartupSounds], TtonvikformWiring::lists[ShutdownSounds] })
    , panel_(std::make_unique<SoundPanel>(model(), std::make_unique<TMediaPlayer>()))
{
    describeSaves({ "Start-up sound", "Shutdown sound" }, TDesktopShow::What::StartupSound);
    connectList(StartupSounds);
    connectList(ShutdownSounds);
    onClick(TtonvikformWiring::editBoxes[StartupSounds], [this] { ineditClick(); });
    onClick(TtonvikformWiring::editBoxes[ShutdownSounds], [this] { outeditClick(); });
    onClick(TtonvikformWiring::edits.add, [this] { Button1Click(); });
    onClick(TtonvikformWiring::edits.insert, [this] { Button3Click(); });
    onClick(TtonvikformWiring::edits.remove, [this] { Button5Click(); });
    onClick(TtonvikformWiring::play, [this] { BitBtn8Click(); });
    onClick(TtonvikformWiring::pause, [this] { BitBtn9Click(); });
    onClick(TtonvikformWiring::stop, [this] { BitBtn10Click(); });
    showSwitches();
}

Ttonvikform::~Ttonvikform() = default;

void Ttonvikform::connectList(SoundList which)
{
    lists_[which] = std::make_unique<TListSelection>(
        listBox(TtonvikformWiring::lists[which].list), steps_.changing(),
        [this, which](SoundPanel::Row row) { listClick(which, row); }, [this, which] { listDblClick(which); });
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
    panel_->clickEditBox(StartupSounds, checkBox(TtonvikformWiring::editBoxes[StartupSounds])->isChecked());
    showSwitches();
}

void Ttonvikform::outeditClick()
{
    panel_->clickEditBox(ShutdownSounds, checkBox(TtonvikformWiring::editBoxes[ShutdownSounds])->isChecked());
    showSwitches();
}

SoundPanel::FileNames Ttonvikform::chooseWaves()
{
    return TFileDialog::openFiles(this, TtonvikformWiring::edits.fileFilter);
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
    return panel_->reload(onlyWhenChanged);
}

void Ttonvikform::showSelection()
{
    for (SoundList which : { StartupSounds, ShutdownSounds })
        lists_[which]->show(panel_->selected(which));
}

void Ttonvikform::showSwitches()
{
    for (SoundList which : { StartupSounds, ShutdownSounds })
        checkBox(TtonvikformWiring::editBoxes[which])->setChecked(panel_->editTarget() == which);
    showModel();
}
