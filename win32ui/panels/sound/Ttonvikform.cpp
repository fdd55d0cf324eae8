#include "win32ui/panels/sound/Ttonvikform.h"

#include "panels/sound/SoundApply.h"
#include "panels/sound/TtonvikformGeometry.h"
#include "panels/sound/TtonvikformWiring.h"
#include "win32ui/TWindowSet.h"
#include "win32ui/skin/TFileDialog.h"

using namespace TtonvikformWiring;

Ttonvikform::Ttonvikform(TWindowSet& windows, HWND owner)
    : TModulePanel(TtonvikformGeometry, windows, owner, verbs,
        soundModule(std::make_shared<SoundApply>(windowsRegistry())), { lists[StartupSounds], lists[ShutdownSounds] })
    , panel_(std::make_unique<SoundPanel>(model(),
          std::make_unique<SoundPlayer>(
              nullptr, [this](std::function<void()> notice) { notices_.deliver(std::move(notice)); })))
{
    for (SoundList which : { StartupSounds, ShutdownSounds }) {
        onSelect(lists[which].list,
            [this, which](int row) { listClick(which, row < 0 ? SoundPanel::Row() : SoundPanel::Row(row)); });
        onDoubleClick(lists[which].list, [this, which](int) { listDblClick(which); });
        onClick(editBoxes[which], [this, which] { editBoxClick(which); });
    }
    onClick(edits.add, [this] { Button1Click(); });
    onClick(edits.insert, [this] { Button3Click(); });
    onClick(edits.remove, [this] { Button5Click(); });
    onClick(play, [this] { BitBtn8Click(); });
    onClick(pause, [this] { BitBtn9Click(); });
    onClick(stop, [this] { BitBtn10Click(); });
    showSwitches();
}

Ttonvikform::~Ttonvikform() = default;

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

void Ttonvikform::editBoxClick(SoundList which)
{
    panel_->clickEditBox(which, isChecked(editBoxes[which]));
    showSwitches();
}

SoundPanel::FileNames Ttonvikform::chooseWaves()
{
    return TFileDialog::openFiles(handle(), edits.fileFilter);
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

std::vector<std::string> Ttonvikform::reloadModel(bool onlyWhenChanged)
{
    return panel_->reload(onlyWhenChanged);
}

void Ttonvikform::showSelection()
{
    for (SoundList which : { StartupSounds, ShutdownSounds }) {
        SoundPanel::Row row = panel_->selected(which);
        setSelection(lists[which].list, row ? static_cast<int>(*row) : -1);
    }
}

void Ttonvikform::showSwitches()
{
    for (SoundList which : { StartupSounds, ShutdownSounds })
        setChecked(editBoxes[which], panel_->editTarget() == which);
    showModel();
}
