#pragma once

#include "win32ui/TTaskbarEntry.h"
#include "win32ui/skin/TSkinnedForm.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Every window of the program, created once in the order of the window tables and kept until the
// program ends; windows reach one another through it by their class names. Hidden windows keep all
// their state.
class TWindowSet {
public:
    // The program keeps its module files in its folder (ending in the separator).
    explicit TWindowSet(std::string programDirectory);
    ~TWindowSet();
    TWindowSet(const TWindowSet&) = delete;
    TWindowSet& operator=(const TWindowSet&) = delete;

    // Throws when the program has no window of that class (yet: during creation, only the windows
    // made before the asking one).
    TSkinnedForm& find(std::string_view className) const;
    template <class Window> Window& get(std::string_view className) const
    {
        if (auto* window = dynamic_cast<Window*>(&find(className)))
            return *window;
        throw std::logic_error("The window " + std::string(className) + " is of another class");
    }

    const std::string& programDirectory() const { return programDirectory_; }
    HWND owner() const { return entry_->handle(); }
    const std::vector<std::unique_ptr<TSkinnedForm>>& all() const { return windows_; }
    TSkinnedForm& mainWindow() const { return *windows_.front(); }

    // A panel leaves: it hides and the Control Center shows again.
    void returnToControlCenter(TSkinnedForm& panel);
    // The taskbar button, then the Control Center.
    void showAtStart();
    // Every window that is open goes down to the taskbar button together.
    void minimiseAll();
    // Ends the message loop; nothing is saved.
    void endProgram();

    // Keyboard navigation (Tab, Esc, Enter, mnemonics) of the window the message is for; true
    // when the message was taken.
    bool preTranslate(MSG& message) const;

private:
    void bringForward() const;

    std::string programDirectory_;
    // Made first: it owns every window.
    std::unique_ptr<TTaskbarEntry> entry_;
    std::vector<std::unique_ptr<TSkinnedForm>> windows_;
};
