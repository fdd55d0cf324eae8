#pragma once

#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

// The common file dialogs. Filters are written as in the Qt layer ("Bitmap Image|*.bmp", several
// patterns by ";", several filters in a row). Paths come back as the core's 8-bit text; a name that
// the ANSI code page cannot hold comes back in its short form. Empty means cancelled.
class TFileDialog {
public:
    // Several existing files at once.
    static std::vector<std::string> openFiles(HWND owner, std::string_view filter);
    // One file; a typed name need not exist.
    static std::string openFile(HWND owner, std::string_view filter);
    // Appends "." + defaultExtension when the chosen name has none; never asks before replacing.
    static std::string saveFile(HWND owner, std::string_view filter, std::string_view defaultExtension);

    // "A|*.a|B|*.b" as the dialog takes it: "A\0*.a\0B\0*.b\0\0".
    static std::wstring dialogFilter(std::string_view filter);
    // What a multiple-selection dialog wrote: one full path, or the folder then the names, each
    // ended by a NUL and the whole by a second one.
    static std::vector<std::wstring> chosenPaths(const wchar_t* buffer);
};
