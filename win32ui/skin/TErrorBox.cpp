#include "win32ui/skin/TErrorBox.h"

#include "win32ui/skin/TWideText.h"

#include <windows.h>

namespace {

void present(const char* title, const std::string& text)
{
    // Owned by the window the user works in, so it stays in front of it; MB_TASKMODAL keeps the
    // other windows of the program from taking clicks while it is up.
    HWND active = GetActiveWindow();
    MessageBoxW(active, fromAnsi(text).c_str(), fromUtf8(title).c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

} // namespace

void TErrorBox::run(const std::function<void()>& handler)
{
    TErrorReport::run(handler, present);
}

void TErrorBox::show(const std::string& message)
{
    TErrorReport::show(message, present);
}

void TErrorBox::showError(const std::string& text)
{
    TErrorReport::showError(text, present);
}
