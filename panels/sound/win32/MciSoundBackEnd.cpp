#include "panels/sound/win32/MciSoundBackEnd.h"

#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/win32/MciSoundDevice.h"

namespace {

constexpr const char* windowClass = "ZentrelMciNotices";
constexpr UINT makeWindow = WM_APP + 1;
constexpr UINT destroyWindow = WM_APP + 2;

HWND messageOnlyWindow(SoundBackEnd::EndNotice* ended)
{
    return CreateWindowExA(0, windowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), ended);
}

} // namespace

MciSoundBackEnd::MciSoundBackEnd()
{
    std::promise<HWND> ready;
    std::future<HWND> window = ready.get_future();
    m_thread = std::thread([this, &ready] { runNotices(ready); });
    m_window = window.get();
}

MciSoundBackEnd::~MciSoundBackEnd()
{
    if (m_window)
        PostMessageA(m_window, WM_CLOSE, 0, 0);
    m_thread.join();
}

void MciSoundBackEnd::runNotices(std::promise<HWND>& ready)
{
    WNDCLASSEXA windowClassInfo {};
    windowClassInfo.cbSize = sizeof windowClassInfo;
    windowClassInfo.lpfnWndProc = windowProcedure;
    windowClassInfo.hInstance = GetModuleHandleA(nullptr);
    windowClassInfo.lpszClassName = windowClass;
    // A second back end finds the class already there.
    RegisterClassExA(&windowClassInfo);
    HWND window = messageOnlyWindow(nullptr);
    ready.set_value(window);
    if (!window)
        return;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
}

// A sound's window holds its end notice; the back end's own window holds none and ends the thread
// when it goes.
LRESULT CALLBACK MciSoundBackEnd::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* ended = reinterpret_cast<EndNotice*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        return DefWindowProcA(window, message, wParam, lParam);
    case makeWindow:
        return reinterpret_cast<LRESULT>(messageOnlyWindow(reinterpret_cast<EndNotice*>(lParam)));
    case destroyWindow:
        DestroyWindow(reinterpret_cast<HWND>(lParam));
        return 0;
    // A superseded or aborted play was ended by the player itself, which already knows.
    case MM_MCINOTIFY:
        if (ended && *ended && (wParam == MCI_NOTIFY_SUCCESSFUL || wParam == MCI_NOTIFY_FAILURE))
            (*ended)(wParam == MCI_NOTIFY_SUCCESSFUL);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_NCDESTROY:
        if (ended)
            delete ended;
        else
            PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND MciSoundBackEnd::makeNoticeWindow(EndNotice ended)
{
    auto* notice = new EndNotice(std::move(ended));
    auto window = reinterpret_cast<HWND>(SendMessageA(m_window, makeWindow, 0, reinterpret_cast<LPARAM>(notice)));
    if (!window)
        delete notice;
    return window;
}

void MciSoundBackEnd::destroyNoticeWindow(HWND window)
{
    if (window)
        SendMessageA(m_window, destroyWindow, 0, reinterpret_cast<LPARAM>(window));
}

std::string MciSoundBackEnd::errorText(MCIERROR code)
{
    std::string text(4096, '\0');
    if (!mciGetErrorStringA(code, text.data(), static_cast<UINT>(text.size())))
        return {};
    text.resize(text.find('\0'));
    return text;
}

std::unique_ptr<SoundDevice> MciSoundBackEnd::open(const std::string& fileName, EndNotice ended)
{
    auto sound = std::make_unique<MciSoundDevice>(*this, std::move(ended));
    MCIERROR error = sound->open(fileName);
    if (error != 0)
        throw EMCIDeviceError(errorText(error));
    return sound;
}

std::shared_ptr<SoundBackEnd> platformSoundBackEnd()
{
    return std::make_shared<MciSoundBackEnd>();
}
