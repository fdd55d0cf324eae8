#include "panels/TModulePanel.h"

#include "cycle/CycleListModel.h"
#include "shell/TWindowSet.h"
#include "shell/skin/TErrorBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>

TModulePanel::TModulePanel(const TWindowGeometry& geometry, TWindowSet& windows, ModuleParameters parameters,
    std::vector<ListControls> controls)
    : TSkinnedForm(geometry)
    , windows_(windows)
    , model_(CycleModule::startUp(std::move(parameters), windows.programDirectory(),
          [](const std::string& message) { TErrorBox::show(message); }))
    , controls_(std::move(controls))
{
    for (std::size_t which = 0; which < controls_.size(); ++which) {
        listModels_.push_back(std::make_unique<CycleListModel>(model_->list(which)));
        listBox(controls_[which].list)->setModel(listModels_.back().get());
    }
    showModel();
}

TModulePanel::~TModulePanel()
{
    for (QListView* list : findChildren<QListView*>())
        list->setModel(nullptr);
}

void TModulePanel::showModel()
{
    for (std::size_t which = 0; which < controls_.size(); ++which) {
        const CycleControls& shown = model_->controls(which);
        checkBox(controls_[which].enable)->setChecked(shown.enabled);
        checkBox(controls_[which].random)->setChecked(shown.random);
        edit(controls_[which].next)->setText(QString::fromLocal8Bit(shown.next));
    }
}

void TModulePanel::leave()
{
    windows_.returnToControlCenter(*this);
}
