#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TthemeviewControls[] = {
    skin::background("Image1", 330, 300),
    skin::well(12, 46, 306, 130),
    skin::text(12, 182, 306, 13, "What the theme changes when it is applied:"),
    skin::whiteArea(12, 197, 306, 66),
    skin::dragBar("Image2", 329, 17),
    skin::label("name", 12, 22, 306, 22, "", TTextStyle::Bold),
    skin::picture("pic", 14, 48, 302, 126),
    skin::memo("items", 12, 197, 306, 66, 1),
    skin::bitmapButton("BitBtn1", 113, 270, 104, 24, TGlyph::Tick, "Close", 0),
    skin::closeBox("BitBtn2", 313, 2),
};

inline constexpr TWindowGeometry TthemeviewGeometry { "Tthemeview", "Ambrel Theme Preview", "Ambrel Theme Preview", 330,
    300, 287, 150, TScheme::Theme, TFrame::Skinned, TthemeviewControls, "BitBtn1" };
