#include "win32ui/skin/TFileDialog.h"

#include "win32ui/skin/TWideText.h"

#include <cderr.h>
#include <commdlg.h>
#include <stdexcept>

namespace {

// Room for a few thousand files chosen at once.
constexpr DWORD bufferLength = 1 << 18;

std::string ansiPath(const std::wstring& path)
{
    std::string ansi;
    if (tryToAnsi(path, ansi))
        return ansi;
    std::wstring shortPath(MAX_PATH * 4, L'\0');
    DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    shortPath.resize(length < shortPath.size() ? length : 0);
    if (shortPath.empty() || !tryToAnsi(shortPath, ansi))
        throw std::runtime_error("Cannot use a file whose name has characters that this system's code page cannot "
                                 "hold, and that has no short name");
    return ansi;
}

// The dialog's description over `filters` and `buffer`, which must outlive it.
OPENFILENAMEW describe(HWND owner, const std::wstring& filters, std::wstring& buffer, DWORD flags)
{
    OPENFILENAMEW dialog {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size() - 1);
    dialog.Flags = flags;
    return dialog;
}

// Runs one dialog; false when the user cancelled. A failure of the dialog itself is reported.
bool runDialog(OPENFILENAMEW& dialog, bool save)
{
    BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    // The window that opened the dialog comes to the front again, whatever its outcome.
    if (dialog.hwndOwner)
        SetForegroundWindow(dialog.hwndOwner);
    if (chosen)
        return true;
    DWORD error = CommDlgExtendedError();
    if (error == FNERR_BUFFERTOOSMALL)
        throw std::runtime_error("Too many files chosen at once");
    if (error != 0)
        throw std::runtime_error("The file dialog failed (error " + std::to_string(error) + ")");
    return false;
}

} // namespace

std::wstring TFileDialog::dialogFilter(std::string_view filter)
{
    std::wstring result = fromUtf8(filter);
    for (wchar_t& c : result)
        if (c == L'|')
            c = L'\0';
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

std::vector<std::wstring> TFileDialog::chosenPaths(const wchar_t* buffer)
{
    std::vector<std::wstring> names;
    for (const wchar_t* part = buffer; *part; part += names.back().size() + 1)
        names.emplace_back(part);
    if (names.size() <= 1)
        return names;
    std::wstring folder = names.front();
    if (!folder.ends_with(L'\\'))
        folder += L'\\';
    std::vector<std::wstring> paths;
    for (size_t i = 1; i < names.size(); ++i)
        paths.push_back(folder + names[i]);
    return paths;
}

std::vector<std::string> TFileDialog::openFiles(HWND owner, std::string_view filter)
{
    std::wstring filters = dialogFilter(filter);
    std::wstring buffer(bufferLength, L'\0');
    OPENFILENAMEW dialog = describe(owner, filters, buffer,
        OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY);
    std::vector<std::string> paths;
    if (!runDialog(dialog, false))
        return paths;
    for (const std::wstring& path : chosenPaths(buffer.c_str()))
        paths.push_back(ansiPath(path));
    return paths;
}

std::string TFileDialog::openFile(HWND owner, std::string_view filter)
{
    std::wstring filters = dialogFilter(filter);
    std::wstring buffer(MAX_PATH * 4, L'\0');
    OPENFILENAMEW dialog = describe(owner, filters, buffer, OFN_EXPLORER | OFN_HIDEREADONLY);
    if (!runDialog(dialog, false))
        return {};
    return ansiPath(buffer.c_str());
}

std::string TFileDialog::saveFile(HWND owner, std::string_view filter, std::string_view defaultExtension)
{
    std::wstring filters = dialogFilter(filter);
    std::wstring extension = fromUtf8(defaultExtension);
    std::wstring buffer(MAX_PATH * 4, L'\0');
    OPENFILENAMEW dialog = describe(owner, filters, buffer, OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST);
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    if (!runDialog(dialog, true))
        return {};
    std::wstring path = buffer.c_str();
    std::string ansi;
    if (!tryToAnsi(path, ansi))
        throw std::runtime_error("Cannot save under that name: it has characters that this system's code page "
                                 "cannot hold");
    return ansi;
}
