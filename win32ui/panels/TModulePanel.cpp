#include "win32ui/panels/TModulePanel.h"

#include "cycle/CycleListObserver.h"
#include "cycle/win32/Win32Registry.h"
#include "cycle/win32/Win32System.h"
#include "win32ui/TWindowSet.h"
#include "win32ui/skin/TErrorBox.h"

// A list control holds its entries itself: it takes them again from the module's list whenever
// that changed.
class TModulePanel::ListItems : private CycleListObserver {
public:
    ListItems(TSkinnedForm& form, const char* control, const CycleList& list)
        : form_(form)
        , control_(control)
        , list_(list)
    {
        list_.addObserver(this);
        show();
    }
    ~ListItems() override { list_.removeObserver(this); }
    ListItems(const ListItems&) = delete;
    ListItems& operator=(const ListItems&) = delete;

private:
    void show() { form_.setItems(control_, list_.entries().lines()); }
    void aboutToInsert(std::size_t, std::size_t) override { }
    void inserted() override { show(); }
    void aboutToRemove(std::size_t) override { }
    void removed() override { show(); }
    void aboutToReplaceAll() override { }
    void replacedAll() override { show(); }

    TSkinnedForm& form_;
    const char* control_;
    const CycleList& list_;
};

TModulePanel::TModulePanel(const TWindowGeometry& geometry, TWindowSet& windows, HWND owner, const PanelVerbs& verbs)
    : TSkinnedForm(geometry, owner)
    , windows_(windows)
{
    onClick(verbs.save, [this] { saveClick(); });
    onClick(verbs.cancel, [this, window = verbs.cancelWindow] { windows_.find(window).showWindow(); });
    onClick(verbs.help, [this, window = verbs.helpWindow] { windows_.find(window).showWindow(); });
    onClick(verbs.close, [this] { leave(); });
    onSystemClose([this] { leave(); });
}

TModulePanel::TModulePanel(const TWindowGeometry& geometry, TWindowSet& windows, HWND owner, const PanelVerbs& verbs,
    ModuleParameters parameters, std::vector<ListControls> controls)
    : TModulePanel(geometry, windows, owner, verbs)
{
    showLists(CycleModule::startUp(std::move(parameters), windows.programDirectory(),
                  [](const std::string& message) { TErrorBox::show(message); }),
        std::move(controls));
}

TModulePanel::~TModulePanel() = default;

std::shared_ptr<Registry> TModulePanel::windowsRegistry()
{
    return std::make_shared<Win32Registry>();
}

std::shared_ptr<System> TModulePanel::windowsSystem()
{
    return std::make_shared<Win32System>();
}

void TModulePanel::showLists(std::shared_ptr<CycleModule> module, std::vector<ListControls> controls)
{
    listItems_.clear();
    model_ = std::move(module);
    controls_ = std::move(controls);
    for (std::size_t which = 0; which < controls_.size(); ++which) {
        listItems_.push_back(std::make_unique<ListItems>(*this, controls_[which].list, model_->list(which)));
        const char* enable = controls_[which].enable;
        const char* random = controls_[which].random;
        onClick(enable, [this, which, enable] { model_->setEnabled(isChecked(enable), which); });
        onClick(random, [this, which, random] { model_->setRandom(isChecked(random), which); });
    }
    showModel();
}

void TModulePanel::showModel()
{
    for (std::size_t which = 0; which < controls_.size(); ++which) {
        const CycleControls& shown = model_->controls(which);
        setChecked(controls_[which].enable, shown.enabled);
        setChecked(controls_[which].random, shown.random);
        setText(controls_[which].next, shown.next);
    }
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

void TModulePanel::leave()
{
    steps_.leave();
}

void TModulePanel::returnToControlCenter()
{
    windows_.returnToControlCenter(*this);
}

void TModulePanel::report(const std::string& message)
{
    TErrorBox::show(message);
}
