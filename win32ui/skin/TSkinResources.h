#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <windows.h>

// The drawn skin, the icons and the help texts, compiled into the program as resources; the
// table of their names is made at build time with the resource script.
struct TResourceName {
    const char* name;
    int id;
};
extern const TResourceName skinResourceNames[];
extern const std::size_t skinResourceCount;

// 0 when the program has no such resource.
int skinResourceId(std::string_view name);

// A bitmap of the skin ("skin/Tthemainform.bmp") at its own pixel size; nullptr when missing. The
// caller owns it.
HBITMAP loadSkinBitmap(const std::string& name);
// The program's icons: "zentrel", "help", "gfx"; nullptr when missing. Shared, not to be destroyed.
HICON loadSkinIcon(const char* name, int size);
// A help text ("help/Thelp2.txt") as stored: UTF-8, LF line ends.
std::string loadSkinText(const std::string& name);

// A bitmap's pixel size; 0 x 0 for nullptr.
SIZE skinBitmapSize(HBITMAP bitmap);
// Copies w x h pixels of `bitmap` from fromX, fromY to x, y of `dc`.
void drawSkinBitmap(HDC dc, HBITMAP bitmap, int x, int y, int w, int h, int fromX, int fromY);
