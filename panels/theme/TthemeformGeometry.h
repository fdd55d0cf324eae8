#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TthemeformControls[] = {
    skin::background("Image1", 450, 245),
    skin::text(12, 27, 312, 13, "List of theme files to be cycled as Desktop Themes (tm):"),
    skin::whiteArea(12, 43, 312, 130),
    skin::text(326, 87, 66, 13, "Next Theme:", TTextStyle::Right),
    skin::text(330, 107, 116, 12, "(double-click item in list)", TTextStyle::Note),
    skin::emblem(346, 160, 96, 80, TGlyph::ModuleTheme, "Ambrel"),
    skin::dragBar("Image2", 449, 17),
    skin::listBox("list", 12, 43, 312, 130, 0),
    skin::checkBox("enable", 330, 43, "&Enable Ambrel", 7),
    skin::checkBox("ran", 330, 60, "&Random Cycling", 8),
    skin::edit("next", 395, 83, 33, 21),
    skin::bitmapButton("BitBtn1", 11, 180, 103, 24, TGlyph::Plus, "Add Theme(s)", 1),
    skin::bitmapButton("BitBtn2", 115, 180, 103, 24, TGlyph::InsertTheme, "Insert Theme(s)", 2),
    skin::bitmapButton("BitBtn3", 219, 180, 104, 24, TGlyph::Minus, "Remove Selected Theme", 3),
    skin::bitmapButton("BitBtn4", 11, 212, 103, 24, TGlyph::Tick, "Save and Exit", 4),
    skin::bitmapButton("BitBtn5", 115, 212, 103, 24, TGlyph::NoEntry, "Cancel", 5),
    skin::bitmapButton("BitBtn6", 219, 212, 104, 24, TGlyph::Question, "Help", 6),
    skin::bitmapButton("BitBtn7", 331, 131, 104, 24, TGlyph::ThemePreview, "Theme Preview/Options", 9),
    skin::bitmapButton("BitBtn8", 433, 2, 13, 13, TGlyph::Cross, "", 10),
};

inline constexpr TWindowGeometry TthemeformGeometry { "Tthemeform", "Ambrel Control Panel", "Ambrel Control Panel", 450,
    245, 227, 171, TScheme::Theme, TFrame::Skinned, TthemeformControls, "BitBtn5" };
