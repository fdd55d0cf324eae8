#include "panels/sound/Ttonvikform.h"

#include "cycle/CycleListModel.h"
#include "panels/sound/SoundModule.h"
#include "panels/sound/TtonvikformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform2.h"
#include "shell/help/Thelp.h"
#include "shell/skin/TErrorBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>

Ttonvikform::Ttonvikform(TWindowSet& windows)
    : TSkinnedForm(TtonvikformGeometry)
    , windows_(windows)
    , model_(CycleModule::startUp(
          soundModule(), windows.programDirectory(), [](const std::string& message) { TErrorBox::show(message); }))
{
    listModels_.push_back(std::make_unique<CycleListModel>(model_->list(0)));
    listBox("inlist")->setModel(listModels_.back().get());
    listModels_.push_back(std::make_unique<CycleListModel>(model_->list(1)));
    listBox("outlist")->setModel(listModels_.back().get());
    showModel();
    onClick("BitBtn5", [this] { Button4Click(); });
    onClick("BitBtn6", [this] { Button6Click(); });
    onClick("BitBtn7", [this] { BitBtn7Click(); });
    onSystemClose([this] { BitBtn7Click(); });
}

Ttonvikform::~Ttonvikform()
{
    for (QListView* list : findChildren<QListView*>())
        list->setModel(nullptr);
}

void Ttonvikform::showModel()
{
    checkBox("inenable")->setChecked(model_->controls(0).enabled);
    checkBox("inran")->setChecked(model_->controls(0).random);
    edit("innext")->setText(QString::fromLocal8Bit(model_->controls(0).next));
    checkBox("outenable")->setChecked(model_->controls(1).enabled);
    checkBox("outran")->setChecked(model_->controls(1).random);
    edit("outnext")->setText(QString::fromLocal8Bit(model_->controls(1).next));
    checkBox("inedit")->setChecked(model_->editTarget() == StartupSounds);
    checkBox("outedit")->setChecked(model_->editTarget() == ShutdownSounds);
}

void Ttonvikform::Button4Click()
{
    windows_.cancelform2().showWindow();
}

void Ttonvikform::Button6Click()
{
    windows_.help().showWindow();
}

// Leaves without saving and without asking; the edits stay in memory.
void Ttonvikform::BitBtn7Click()
{
    windows_.returnToControlCenter(*this);
}
