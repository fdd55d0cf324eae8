#pragma once

#include "cycle/CycleModule.h"
#include "panels/PanelScreen.h"
#include "panels/PanelSteps.h"
#include "panels/PanelWiring.h"
#include "shell/notice/TDesktopShow.h"
#include "shell/skin/TSkinnedForm.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CycleListModel;
class Registry;
class TWindowSet;

// A module panel: it shows each of its module's lists and switches in the controls named for
// them, the switches act on the module, and Save and Exit, Cancel, Help and the close box do what
// they do in every panel.
class TModulePanel : public TSkinnedForm, protected PanelScreen {
    Q_OBJECT
public:
    ~TModulePanel() override;

    CycleModule& model() const { return *model_; }

    // Shown from the Control Center: files that another program (zentrel-cycle) changed since the
    // panel last read or wrote them are read again.
    void open();
    // Save and Exit: saves, then returns to the Control Center and tells the desktop what the save
    // applied; a failed save leaves the panel open.
    void saveClick();
    // Leaves without saving and without asking: the panel is read again from its files, so the edits
    // are dropped and the next Save can't write them.
    void leave();

protected:
    TModulePanel(const TWindowGeometry& geometry, TWindowSet& windows, const PanelVerbs& verbs);
    // Loads the module at program start; a file that can't be read is reported and the start goes
    // on.
    TModulePanel(const TWindowGeometry& geometry, TWindowSet& windows, const PanelVerbs& verbs,
        ModuleParameters parameters, std::vector<ListControls> controls);

    // The stand-in machine's registry store. The start-up has made the machine; a store that is
    // missing even so is reported when Save uses it.
    static std::shared_ptr<Registry> machineRegistry(const std::string& programDirectory);

    void showLists(std::shared_ptr<CycleModule> module, std::vector<ListControls> controls);
    // How the notice after a Save names each list's entries ("Wallpaper"), and what the desktop
    // shows at once when the first list took an entry.
    void describeSaves(std::vector<std::string> listWords, std::optional<TDesktopShow::What> show = std::nullopt);
    void showModel();
    void showSwitches() override { showModel(); }
    void returnToControlCenter() override;
    void report(const std::string& message) override;
    void saved() override;
    // While the model changes its lists, the list controls' own selection signals are not the
    // user's (steps_.changing()).
    void change(const std::function<void()>& edit) { steps_.change(edit); }

    TWindowSet& windows_;
    PanelSteps steps_ { *this };

private:
    std::vector<std::string> listWords_;
    std::optional<TDesktopShow::What> desktopShow_;

    // The list models watch the module, so it goes last.
    std::shared_ptr<CycleModule> model_;
    std::vector<std::unique_ptr<CycleListModel>> listModels_;
    std::vector<ListControls> controls_;
};
