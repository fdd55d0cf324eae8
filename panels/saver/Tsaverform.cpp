#include "panels/saver/Tsaverform.h"

#include "cycle/CycleListModel.h"
#include "panels/saver/SaverModule.h"
#include "panels/saver/TsaverformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform3.h"
#include "shell/help/Tsaverhelp.h"
#include "shell/skin/TErrorBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>

Tsaverform::Tsaverform(TWindowSet& windows)
    : TSkinnedForm(TsaverformGeometry)
    , windows_(windows)
    , model_(CycleModule::startUp(
          saverModule(), windows.programDirectory(), [](const std::string& message) { TErrorBox::show(message); }))
{
    listModels_.push_back(std::make_unique<CycleListModel>(model_->list(0)));
    listBox("list")->setModel(listModels_.back().get());
    showModel();
    onClick("BitBtn7", [this] { Button5Click(); });
    onClick("BitBtn8", [this] { Button6Click(); });
    onClick("BitBtn9", [this] { BitBtn9Click(); });
    onSystemClose([this] { BitBtn9Click(); });
}

Tsaverform::~Tsaverform()
{
    for (QListView* list : findChildren<QListView*>())
        list->setModel(nullptr);
}

void Tsaverform::showModel()
{
    checkBox("enable")->setChecked(model_->controls(0).enabled);
    checkBox("ran")->setChecked(model_->controls(0).random);
    edit("next")->setText(QString::fromLocal8Bit(model_->controls(0).next));
}

void Tsaverform::Button5Click()
{
    windows_.cancelform3().showWindow();
}

void Tsaverform::Button6Click()
{
    windows_.saverhelp().showWindow();
}

// Leaves without saving and without asking; the edits stay in memory.
void Tsaverform::BitBtn9Click()
{
    windows_.returnToControlCenter(*this);
}
