#include "panels/logo/Tlogoform.h"

#include "cycle/CycleListModel.h"
#include "panels/logo/LogoModule.h"
#include "panels/logo/TlogoformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform4.h"
#include "shell/help/Tbriskohelp.h"
#include "shell/skin/TErrorBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>

Tlogoform::Tlogoform(TWindowSet& windows)
    : TSkinnedForm(TlogoformGeometry)
    , windows_(windows)
    , model_(CycleModule::startUp(
          logoModule(), windows.programDirectory(), [](const std::string& message) { TErrorBox::show(message); }))
{
    listModels_.push_back(std::make_unique<CycleListModel>(model_->list(0)));
    listBox("list")->setModel(listModels_.back().get());
    showModel();
    onClick("BitBtn6", [this] { Button5Click(); });
    onClick("BitBtn7", [this] { Button6Click(); });
    onClick("BitBtn8", [this] { BitBtn8Click(); });
    onSystemClose([this] { BitBtn8Click(); });
}

Tlogoform::~Tlogoform()
{
    for (QListView* list : findChildren<QListView*>())
        list->setModel(nullptr);
}

void Tlogoform::showModel()
{
    checkBox("enable")->setChecked(model_->controls(0).enabled);
    checkBox("ran")->setChecked(model_->controls(0).random);
    edit("next")->setText(QString::fromLocal8Bit(model_->controls(0).next));
}

void Tlogoform::Button5Click()
{
    windows_.cancelform4().showWindow();
}

void Tlogoform::Button6Click()
{
    windows_.briskohelp().showWindow();
}

// Leaves without saving and without asking; the edits stay in memory.
void Tlogoform::BitBtn8Click()
{
    windows_.returnToControlCenter(*this);
}
