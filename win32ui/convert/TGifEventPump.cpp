#include "win32ui/convert/TGifEventPump.h"

#include "win32ui/TWindowSet.h"

void TGifEventPump::BeginLoad()
{
    quitting_ = false;
    previousCursor_ = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void TGifEventPump::RowDecoded()
{
    if (quitting_)
        return;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        // The program is ending: the quit goes back for the main loop, which takes it once the load is over.
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            quitting_ = true;
            break;
        }
        if (windows_.preTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // A window under the pointer sets its own cursor as messages run.
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void TGifEventPump::EndLoad()
{
    SetCursor(previousCursor_);
}
