// zentrel.exe: the Control Center and its windows on the Win32 API.
#include "cycle/StaleTemporaries.h"
#include "cycle/win32/Win32System.h"
#include "win32ui/TWindowSet.h"
#include "win32ui/skin/TErrorBox.h"

#include <commctrl.h>
#include <memory>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
    std::unique_ptr<TWindowSet> windows;
    try {
        // The lists live beside the program, as zentrel-cycle.exe finds them; no command line or
        // environment is read.
        std::string programDirectory = Win32System().programDirectory();
        removeStaleTemporaries(programDirectory.substr(0, programDirectory.size() - 1));
        windows = std::make_unique<TWindowSet>(programDirectory);
    } catch (const std::exception& error) {
        TErrorBox::show(error.what());
        return 1;
    }
    windows->showAtStart();
    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (windows->preTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
