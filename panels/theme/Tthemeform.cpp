#include "panels/theme/Tthemeform.h"

#include "cycle/CycleListModel.h"
#include "panels/theme/ThemeModule.h"
#include "panels/theme/TthemeformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform5.h"
#include "shell/help/Tthemehelp.h"
#include "shell/skin/TErrorBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>

Tthemeform::Tthemeform(TWindowSet& windows)
    : TSkinnedForm(TthemeformGeometry)
    , windows_(windows)
    , model_(CycleModule::startUp(
          themeModule(), windows.programDirectory(), [](const std::string& message) { TErrorBox::show(message); }))
{
    listModels_.push_back(std::make_unique<CycleListModel>(model_->list(0)));
    listBox("list")->setModel(listModels_.back().get());
    showModel();
    onClick("BitBtn5", [this] { BitBtn5Click(); });
    onClick("BitBtn6", [this] { BitBtn6Click(); });
    onClick("BitBtn8", [this] { BitBtn8Click(); });
    onSystemClose([this] { BitBtn8Click(); });
}

Tthemeform::~Tthemeform()
{
    for (QListView* list : findChildren<QListView*>())
        list->setModel(nullptr);
}

void Tthemeform::showModel()
{
    checkBox("enable")->setChecked(model_->controls(0).enabled);
    checkBox("ran")->setChecked(model_->controls(0).random);
    edit("next")->setText(QString::fromLocal8Bit(model_->controls(0).next));
}

void Tthemeform::BitBtn5Click()
{
    windows_.cancelform5().showWindow();
}

void Tthemeform::BitBtn6Click()
{
    windows_.themehelp().showWindow();
}

// Leaves without saving and without asking; the edits stay in memory.
void Tthemeform::BitBtn8Click()
{
    windows_.returnToControlCenter(*this);
}
