#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TthemeviewControls[] = {
    skin::background("Image1", 400, 380),
    skin::well(12, 46, 376, 150),
    skin::text(12, 202, 376, 13, "What the theme changes when it is applied:"),
    skin::whiteArea(12, 217, 376, 120),
    skin::dragBar("Image2", 399, 17),
    skin::label("name", 12, 22, 376, 22, "", TTextStyle::Bold),
    skin::picture("pic", 14, 48, 372, 146),
    skin::listBox("items", 12, 217, 376, 120, 1),
    skin::bitmapButton("BitBtn1", 148, 346, 104, 24, TGlyph::Tick, "Close", 0),
    skin::closeBox("BitBtn2", 383, 2),
};

inline constexpr TWindowGeometry TthemeviewGeometry { "Tthemeview", "Ambrel Theme Preview", "Ambrel Theme Preview", 400,
    380, 252, 110, TScheme::Theme, TFrame::Skinned, TthemeviewControls, "BitBtn1" };
