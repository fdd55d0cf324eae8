#pragma once

#include "cycle/CycleModule.h"
#include "panels/PanelScreen.h"
#include "panels/PanelSteps.h"
#include "panels/PanelWiring.h"
#include "win32ui/skin/TSkinnedForm.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Registry;
class System;
class TWindowSet;

// A module panel on Windows, as the Qt one: it shows each of its module's lists and switches in the
// controls its wiring names, the switches act on the module, and Save and Exit, Cancel, Help and
// the close box do what they do in every panel. The module works on the real registry, win.ini and
// system.ini.
class TModulePanel : public TSkinnedForm, protected PanelScreen {
public:
    ~TModulePanel() override;

    CycleModule& model() const { return *model_; }

    // Shown from the Control Center: files that another program (zentrel-cycle.exe) changed since
    // the panel last read or wrote them are read again.
    void open() override;
    // Save and Exit: saves, then returns to the Control Center; a failed save leaves the panel open.
    void saveClick();
    // Leaves without saving and without asking: the panel is read again from its files, so the
    // edits are dropped and the next Save can't write them.
    void leave() override;

protected:
    TModulePanel(const TWindowGeometry& geometry, TWindowSet& windows, HWND owner, const PanelVerbs& verbs);
    // Loads the module at program start; a file that can't be read is reported and the start goes
    // on.
    TModulePanel(const TWindowGeometry& geometry, TWindowSet& windows, HWND owner, const PanelVerbs& verbs,
        ModuleParameters parameters, std::vector<ListControls> controls);

    static std::shared_ptr<Registry> windowsRegistry();
    static std::shared_ptr<System> windowsSystem();

    void showLists(std::shared_ptr<CycleModule> module, std::vector<ListControls> controls);
    void showModel();
    void showSwitches() override { showModel(); }
    void returnToControlCenter() override;
    void report(const std::string& message) override;
    void change(const std::function<void()>& edit) { steps_.change(edit); }

    TWindowSet& windows_;
    PanelSteps steps_ { *this };

private:
    class ListItems;

    // The list controls watch the module, so it goes first and is released last.
    std::shared_ptr<CycleModule> model_;
    std::vector<ListControls> controls_;
    std::vector<std::unique_ptr<ListItems>> listItems_;
};
