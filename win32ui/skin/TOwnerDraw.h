#pragma once

#include "win32ui/skin/TSkinControl.h"

#include <windows.h>

class TSkinBackground;

// The faces the skin draws itself: bitmap buttons from their glyph strips, list entries, pictures.
struct TOwnerDraw {
    // Normal, disabled and pressed are the strip's three frames, left to right.
    static void button(const TSkinControl& button, const DRAWITEMSTRUCT& item);
    static void listItem(const TSkinControl& list, const DRAWITEMSTRUCT& item);
    // The background behind the picture, its own drawing, then the pixels set on it.
    static void picture(const TSkinControl& picture, const TSkinBackground& background, HDC dc);
};
