#include "win32ui/skin/TWideText.h"

#include <stdexcept>
#include <windows.h>

namespace {

std::wstring widen(UINT codePage, std::string_view text)
{
    if (text.empty())
        return {};
    int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

} // namespace

std::wstring fromUtf8(std::string_view text)
{
    return widen(CP_UTF8, text);
}

std::wstring fromAnsi(std::string_view text)
{
    return widen(CP_ACP, text);
}

bool tryToAnsi(std::wstring_view text, std::string& ansi)
{
    ansi.clear();
    if (text.empty())
        return true;
    BOOL lossy = FALSE;
    int size = static_cast<int>(text.size());
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return false;
    ansi.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, ansi.data(), length, nullptr, &lossy);
    return !lossy;
}

std::string toAnsi(std::wstring_view text)
{
    std::string ansi;
    if (!tryToAnsi(text, ansi))
        throw std::runtime_error("The text has characters that this system's code page cannot hold");
    return ansi;
}
