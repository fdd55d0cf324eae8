#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TsaverformControls[] = {
    skin::background("Image1", 425, 237),
    skin::text(12, 22, 289, 13, "List of Screen Savers to be cycled:"),
    skin::whiteArea(12, 36, 289, 105),
    skin::text(307, 86, 114, 13, "Next Screen Saver:"),
    skin::text(307, 100, 114, 12, "(Double-click item in list)", TTextStyle::Note),
    skin::well(108, 172, 96, 24),
    skin::emblem(110, 178, 8, 12, TGlyph::ArrowLeft),
    skin::text(119, 178, 74, 12, "select from list", TTextStyle::Centered),
    skin::emblem(194, 178, 8, 12, TGlyph::ArrowRight),
    skin::emblem(336, 146, 80, 84, TGlyph::ModuleSaver, "Dozarn"),
    skin::dragBar("Image2", 425, 17),
    skin::listBox("list", 12, 36, 289, 105, 0),
    skin::checkBox("enable", 307, 36, "&Enable Dozarn", 9),
    skin::checkBox("ran", 307, 54, "Ran&dom Cycling", 10),
    skin::edit("next", 340, 116, 41, 21),
    skin::bitmapButton("BitBtn1", 12, 148, 95, 23, TGlyph::Plus, "Add Screen Saver(s)", 1),
    skin::bitmapButton("BitBtn2", 108, 148, 95, 23, TGlyph::InsertArrow, "Insert Screen Saver(s)", 2),
    skin::bitmapButton("BitBtn3", 204, 148, 96, 23, TGlyph::Minus, "Remove Selected Screen Saver", 3),
    skin::bitmapButton("BitBtn4", 12, 172, 96, 24, TGlyph::ScreenPreview, "Preview Screen Saver", 4),
    skin::bitmapButton("BitBtn5", 204, 172, 96, 24, TGlyph::Options, "Screen Saver Options", 5),
    skin::bitmapButton("BitBtn6", 12, 204, 95, 24, TGlyph::Tick, "Save and Exit", 6),
    skin::bitmapButton("BitBtn7", 108, 204, 95, 24, TGlyph::NoEntry, "Cancel", 7),
    skin::bitmapButton("BitBtn8", 204, 204, 96, 24, TGlyph::Question, "Help", 8),
    skin::bitmapButton("BitBtn9", 409, 2, 13, 13, TGlyph::Cross, "", 11),
};

inline constexpr TWindowGeometry TsaverformGeometry { "Tsaverform", "Dozarn Control Panel", "Dozarn Control Panel", 425,
    237, 232, 189, TScheme::Saver, TFrame::Skinned, TsaverformControls, "BitBtn7" };
