#include "win32ui/skin/TErrorBox.h"

#include "win32ui/skin/TWideText.h"

#include <windows.h>

void presentErrorBox(const char* title, const std::string& text)
{
    // Owned by the window the user works in, so it stays in front of it; MB_TASKMODAL keeps the
    // other windows of the program from taking clicks while it is up.
    HWND active = GetActiveWindow();
    MessageBoxW(active, fromAnsi(text).c_str(), fromUtf8(title).c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}
