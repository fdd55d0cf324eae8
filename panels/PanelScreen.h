#pragma once

#include <string>
#include <vector>

// What a module panel's window does for the steps that the Qt and the Win32 windows share
// (PanelSteps): it shows the model, reads it again and leaves for the Control Center.
class PanelScreen {
public:
    virtual ~PanelScreen() = default;

    // The list controls show the model's selected entries.
    virtual void showSelection() { }
    // The switches and next fields, with a module's own boxes.
    virtual void showSwitches() = 0;
    // The selected entry the way the module shows it (a preview).
    virtual void showEntry() { }
    // The panel model reads its files again, every time or only when they changed on disk; returns
    // the messages of files that could not be read.
    virtual std::vector<std::string> reloadModel(bool onlyWhenChanged) = 0;
    // The panel hides and the Control Center shows.
    virtual void returnToControlCenter() = 0;
    // One message in the program's error box.
    virtual void report(const std::string& message) = 0;
    // A save went through.
    virtual void saved() { }
};
