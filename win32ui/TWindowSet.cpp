#include "win32ui/TWindowSet.h"

#include "resources/WindowTables.h"
#include "win32ui/WindowFactory.h"

TWindowSet::TWindowSet(std::string programDirectory)
    : programDirectory_(std::move(programDirectory))
{
    entry_ = std::make_unique<TTaskbarEntry>([this] { bringForward(); }, [this] { endProgram(); });
    for (const TWindowGeometry* table : windowTables)
        windows_.push_back(makeWindow(*table, *this, entry_->handle()));
}

// Destroyed in the reverse order of creation, the Control Center last, the taskbar window after.
TWindowSet::~TWindowSet()
{
    while (!windows_.empty())
        windows_.pop_back();
}

TSkinnedForm& TWindowSet::find(std::string_view className) const
{
    for (const auto& window : windows_)
        if (className == window->table().name)
            return *window;
    throw std::logic_error("The program has no window " + std::string(className));
}

void TWindowSet::returnToControlCenter(TSkinnedForm& panel)
{
    panel.hideWindow();
    mainWindow().showWindow();
}

void TWindowSet::showAtStart()
{
    entry_->show();
    mainWindow().showWindow();
}

void TWindowSet::minimiseAll()
{
    entry_->minimiseAll();
}

void TWindowSet::endProgram()
{
    PostQuitMessage(0);
}

void TWindowSet::bringForward() const
{
    for (const auto& window : windows_)
        if (window->isVisible()) {
            SetForegroundWindow(window->handle());
            return;
        }
}

bool TWindowSet::preTranslate(MSG& message) const
{
    if (!message.hwnd)
        return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (const auto& window : windows_)
        if (window->handle() == root)
            return window->preTranslate(message);
    return false;
}
