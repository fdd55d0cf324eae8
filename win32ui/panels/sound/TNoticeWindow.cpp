#include "win32ui/panels/sound/TNoticeWindow.h"

#include "win32ui/skin/TErrorBox.h"

#include <memory>

namespace {

constexpr UINT noticeMessage = WM_APP + 1;
constexpr const wchar_t* className = L"ZentrelNotices";

} // namespace

TNoticeWindow::TNoticeWindow()
{
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass); // fails harmlessly when another window registered it
    window_
        = CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TNoticeWindow::~TNoticeWindow()
{
    if (!window_)
        return;
    MSG message;
    while (PeekMessageW(&message, window_, noticeMessage, noticeMessage, PM_REMOVE))
        delete reinterpret_cast<std::function<void()>*>(message.lParam);
    DestroyWindow(window_);
}

void TNoticeWindow::deliver(std::function<void()> notice) const
{
    auto waiting = std::make_unique<std::function<void()>>(std::move(notice));
    if (window_ && PostMessageW(window_, noticeMessage, 0, reinterpret_cast<LPARAM>(waiting.get())))
        waiting.release();
}

LRESULT CALLBACK TNoticeWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != noticeMessage)
        return DefWindowProcW(window, message, wParam, lParam);
    std::unique_ptr<std::function<void()>> notice(reinterpret_cast<std::function<void()>*>(lParam));
    TErrorBox::run(*notice);
    return 0;
}
