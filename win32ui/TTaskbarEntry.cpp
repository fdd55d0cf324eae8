#include "win32ui/TTaskbarEntry.h"

#include "win32ui/skin/TErrorBox.h"
#include "win32ui/skin/TSkinResources.h"
#include "win32ui/skin/TWideText.h"

namespace {

constexpr wchar_t entryClass[] = L"ZentrelApplication";

} // namespace

TTaskbarEntry::TTaskbarEntry(std::function<void()> front, std::function<void()> close)
    : front_(std::move(front))
    , close_(std::move(close))
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW entry {};
    entry.cbSize = sizeof entry;
    entry.lpfnWndProc = &procedure;
    entry.hInstance = instance;
    entry.lpszClassName = entryClass;
    entry.hIcon = loadSkinIcon("zentrel", GetSystemMetrics(SM_CXICON));
    entry.hIconSm = loadSkinIcon("zentrel", GetSystemMetrics(SM_CXSMICON));
    RegisterClassExW(&entry);
    // No size and no region: it has a taskbar button and a system menu, but neither shows nor
    // takes a click.
    window_ = CreateWindowExW(0, entryClass, fromUtf8(applicationTitle).c_str(), WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
        0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (window_)
        SetWindowRgn(window_, CreateRectRgn(0, 0, 0, 0), FALSE);
}

TTaskbarEntry::~TTaskbarEntry()
{
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void TTaskbarEntry::show()
{
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void TTaskbarEntry::minimiseAll()
{
    ShowOwnedPopups(window_, FALSE);
    minimised_ = true;
    ShowWindow(window_, SW_MINIMIZE);
}

LRESULT CALLBACK TTaskbarEntry::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* entry = static_cast<TTaskbarEntry*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        entry->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(entry));
    }
    auto* entry = reinterpret_cast<TTaskbarEntry*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!entry)
        return DefWindowProcW(window, message, wParam, lParam);
    return entry->handle(message, wParam, lParam);
}

LRESULT TTaskbarEntry::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        // The taskbar minimises and restores this window; the others follow it.
        if (wParam == SIZE_MINIMIZED && !minimised_) {
            minimised_ = true;
            ShowOwnedPopups(window_, FALSE);
        } else if (wParam == SIZE_RESTORED && minimised_) {
            minimised_ = false;
            ShowOwnedPopups(window_, TRUE);
            TErrorBox::run(front_);
        }
        return 0;
    case WM_ACTIVATE:
        // The button pressed: the user means the program's windows, not this one.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
            TErrorBox::run(front_);
        return 0;
    case WM_CLOSE:
        TErrorBox::run(close_);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}
