#include "panels/TModulePanel.h"

#include "cycle/CycleListModel.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "panels/SaveNotice.h"
#include "shell/TWindowSet.h"
#include "shell/notice/TSaveNotifier.h"
#include "shell/skin/TErrorBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>

TModulePanel::TModulePanel(const TWindowGeometry& geometry, TWindowSet& windows, const PanelVerbs& verbs)
    : TSkinnedForm(geometry)
    , windows_(windows)
{
    onClick(verbs.save, [this] { saveClick(); });
    onClick(verbs.cancel, [this, window = verbs.cancelWindow] { windows_.find(window).showWindow(); });
    onClick(verbs.help, [this, window = verbs.helpWindow] { windows_.find(window).showWindow(); });
    onClick(verbs.close, [this] { leave(); });
    onSystemClose([this] { leave(); });
}

TModulePanel::TModulePanel(const TWindowGeometry& geometry, TWindowSet& windows, const PanelVerbs& verbs,
    ModuleParameters parameters, std::vector<ListControls> controls)
    : TModulePanel(geometry, windows, verbs)
{
    showLists(CycleModule::startUp(std::move(parameters), windows.programDirectory(),
                  [](const std::string& message) { TErrorBox::show(message); }),
        std::move(controls));
}

TModulePanel::~TModulePanel()
{
    for (QListView* list : findChildren<QListView*>())
        list->setModel(nullptr);
}

std::shared_ptr<Registry> TModulePanel::machineRegistry(const std::string& programDirectory)
{
    return std::make_shared<RegistryFile>(StandInMachine(programDirectory).registryPath());
}

void TModulePanel::showLists(std::shared_ptr<CycleModule> module, std::vector<ListControls> controls)
{
    model_ = std::move(module);
    controls_ = std::move(controls);
    for (std::size_t which = 0; which < controls_.size(); ++which) {
        listModels_.push_back(std::make_unique<CycleListModel>(model_->list(which)));
        listBox(controls_[which].list)->setModel(listModels_.back().get());
        const char* enable = controls_[which].enable;
        const char* random = controls_[which].random;
        onClick(enable, [this, which, enable] { model_->setEnabled(checkBox(enable)->isChecked(), which); });
        onClick(random, [this, which, random] { model_->setRandom(checkBox(random)->isChecked(), which); });
    }
    showModel();
}

void TModulePanel::showModel()
{
    for (std::size_t which = 0; which < controls_.size(); ++which) {
        const CycleControls& shown = model_->controls(which);
        checkBox(controls_[which].enable)->setChecked(shown.enabled);
        checkBox(controls_[which].random)->setChecked(shown.random);
        const std::string& next = shown.next;
        edit(controls_[which].next)->setText(QString::fromLocal8Bit(next.data(), static_cast<qsizetype>(next.size())));
    }
}

void TModulePanel::describeSaves(std::vector<std::string> listWords, std::optional<TDesktopShow::What> show)
{
    listWords_ = std::move(listWords);
    desktopShow_ = show;
}

void TModulePanel::open()
{
    steps_.open();
    showWindow();
}

void TModulePanel::saveClick()
{
    steps_.save(*model_);
}

void TModulePanel::returnToControlCenter()
{
    windows_.returnToControlCenter(*this);
}

void TModulePanel::report(const std::string& message)
{
    TErrorBox::show(message);
}

// The desktop is told what the save applied.
void TModulePanel::saved()
{
    std::string notice = saveNotice(*model_, listWords_);
    if (notice.empty())
        return;
    std::function<void()> show;
    const std::optional<AppliedEntry>& first = model_->lastApplied(0);
    if (desktopShow_ && first && !first->path.empty())
        show = [directory = windows_.programDirectory(), what = *desktopShow_] { TDesktopShow::run(directory, what); };
    windows_.saveNotifier().tell(table().caption, notice, std::move(show));
}

void TModulePanel::leave()
{
    steps_.leave();
}
