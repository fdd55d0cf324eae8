#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TlogorestControls[] = {
    skin::background("Image1", 188, 122),
    skin::emblem(12, 32, 36, 40, TGlyph::Restore),
    skin::text(52, 36, 128, 30, "Original Logo Restored", TTextStyle::Question),
    skin::dragBar("Image2", 193, 20),
    skin::bitmapButton("BitBtn1", 56, 83, 74, 22, TGlyph::Tick, "OK", 0),
};

inline constexpr TWindowGeometry TlogorestGeometry { "Tlogorest", "Information", "Information", 188, 122, 297, 174,
    TScheme::Logo, TFrame::Skinned, TlogorestControls, "BitBtn1" };
