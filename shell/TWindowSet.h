#pragma once

#include "shell/TTaskbarEntry.h"
#include "shell/skin/TSkinnedForm.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Tthemainform;
class Tmurelloform;
class Ttonvikform;
class Thelp2;
class Thelp;
class Tgfx;
class Tsaverform;
class Tsaverhelp;
class Tlogoform;
class Tbriskohelp;
class Tbigabout;
class Tlogorest;
class Tthemeform;
class Tthemehelp;
class Tcancelform;
class Tcancelform2;
class Tcancelform3;
class Tcancelform4;
class Tcancelform5;
class TSaveNotifier;

// Every window of the program, created once in a fixed order and kept until the program ends;
// windows reach one another through it. Hidden windows keep all their state.
class TWindowSet {
public:
    // The program keeps its module files and its stand-in Windows machine in its folder (ending in
    // the separator).
    explicit TWindowSet(std::string programDirectory);
    ~TWindowSet();
    TWindowSet(const TWindowSet&) = delete;
    TWindowSet& operator=(const TWindowSet&) = delete;

    Tthemainform& themainform() const { return *themainform_; }
    Tmurelloform& murelloform() const { return *murelloform_; }
    Ttonvikform& tonvikform() const { return *tonvikform_; }
    Thelp2& help2() const { return *help2_; }
    Thelp& help() const { return *help_; }
    Tgfx& gfx() const { return *gfx_; }
    Tsaverform& saverform() const { return *saverform_; }
    Tsaverhelp& saverhelp() const { return *saverhelp_; }
    Tlogoform& logoform() const { return *logoform_; }
    Tbriskohelp& briskohelp() const { return *briskohelp_; }
    Tbigabout& bigabout() const { return *bigabout_; }
    Tlogorest& logorest() const { return *logorest_; }
    Tthemeform& themeform() const { return *themeform_; }
    Tthemehelp& themehelp() const { return *themehelp_; }
    Tcancelform& cancelform() const { return *cancelform_; }
    Tcancelform2& cancelform2() const { return *cancelform2_; }
    Tcancelform3& cancelform3() const { return *cancelform3_; }
    Tcancelform4& cancelform4() const { return *cancelform4_; }
    Tcancelform5& cancelform5() const { return *cancelform5_; }

    const std::string& programDirectory() const { return programDirectory_; }

    // In the order of creation; the first is the main window.
    const std::vector<TSkinnedForm*>& all() const { return order_; }
    TSkinnedForm& mainWindow() const { return *order_.front(); }
    // The window of that class; throws when the program has none.
    TSkinnedForm& find(std::string_view className) const;

    // A panel leaves: it hides and the Control Center shows again.
    void returnToControlCenter(TSkinnedForm& panel)
    {
        panel.hideWindow();
        mainWindow().showWindow();
    }

    // The program's taskbar button, then the Control Center.
    void showAtStart()
    {
        entry_->show();
        mainWindow().showWindow();
    }

    // Tells the desktop what a Save did; tests give it a bus of their own.
    TSaveNotifier& saveNotifier() const { return *notifier_; }
    void setSaveNotifier(std::unique_ptr<TSaveNotifier> notifier);

    TTaskbarEntry& taskbarEntry() const { return *entry_; }
    // Every window that is open goes down to the taskbar button together.
    void minimiseAll() { entry_->minimiseAll(); }

    // Stops the event loop; nothing is saved.
    void endProgram() { end_(); }
    void setEndProgram(std::function<void()> end) { end_ = std::move(end); }

private:
    template <class Window> Window* create();

    // Outlives the windows, waiting for what it shows on the desktop.
    std::unique_ptr<TSaveNotifier> notifier_;
    // Created before the windows, which it follows from their creation.
    std::unique_ptr<TTaskbarEntry> entry_;
    std::vector<std::unique_ptr<TSkinnedForm>> owned_;
    std::vector<TSkinnedForm*> order_;
    std::function<void()> end_;
    std::string programDirectory_;
    Tthemainform* themainform_ = nullptr;
    Tmurelloform* murelloform_ = nullptr;
    Ttonvikform* tonvikform_ = nullptr;
    Thelp2* help2_ = nullptr;
    Thelp* help_ = nullptr;
    Tgfx* gfx_ = nullptr;
    Tsaverform* saverform_ = nullptr;
    Tsaverhelp* saverhelp_ = nullptr;
    Tlogoform* logoform_ = nullptr;
    Tbriskohelp* briskohelp_ = nullptr;
    Tbigabout* bigabout_ = nullptr;
    Tlogorest* logorest_ = nullptr;
    Tthemeform* themeform_ = nullptr;
    Tthemehelp* themehelp_ = nullptr;
    Tcancelform* cancelform_ = nullptr;
    Tcancelform2* cancelform2_ = nullptr;
    Tcancelform3* cancelform3_ = nullptr;
    Tcancelform4* cancelform4_ = nullptr;
    Tcancelform5* cancelform5_ = nullptr;
};
