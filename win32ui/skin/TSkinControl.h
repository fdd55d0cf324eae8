#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

// One control of a skinned form: its table entry, its window (none for the background and the drag
// bar), what it shows and the handlers the window class connected.
struct TSkinControl {
    const TControlGeometry* geometry = nullptr;
    HWND window = nullptr;
    int id = 0;
    HBITMAP bitmap = nullptr; // a button's glyph strip or a picture's own drawing; owned
    std::vector<std::wstring> items; // a list's entries
    std::vector<std::uint32_t> pixels; // a picture shown by setPicture
    int pixelWidth = 0, pixelHeight = 0;
    HFONT font = nullptr; // the face its entries and text are measured and drawn in
    bool centredItems = false;
    RECT placed {};
    std::function<void()> click;
    std::function<void()> move;
    std::function<void(int)> select;
    std::function<void(int)> doubleClick;
    std::function<void(int)> enter;
    bool shown = true; // the background and the drag bar have no window to ask
};
