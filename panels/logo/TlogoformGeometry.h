#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TlogoformControls[] = {
    // The preview lies beneath the background until the first selection brings it to the front.
    skin::picture("preview", 312, 40, 160, 120),
    skin::background("Image1", 483, 283),
    skin::text(11, 22, 289, 13, "List of BMPs to be cycled as startup logos:"),
    skin::whiteArea(11, 36, 289, 129),
    skin::text(312, 25, 160, 13, "Preview (click on item in list):"),
    skin::well(312, 40, 160, 120),
    skin::text(306, 170, 102, 13, "Actual Dimensions:", TTextStyle::Right),
    skin::text(306, 184, 102, 12, "(must be 320x400)", TTextStyle::Right),
    skin::text(180, 240, 60, 13, "Next Logo:", TTextStyle::Right),
    skin::text(176, 259, 120, 12, "(double-click item in list)", TTextStyle::Note),
    skin::emblem(410, 200, 66, 78, TGlyph::ModuleLogo, "Brisko"),
    skin::dragBar("Image2", 481, 17),
    skin::listBox("list", 11, 36, 289, 129, 0),
    skin::checkBox("enable", 298, 238, "&Enable Brisko", 8),
    skin::checkBox("ran", 298, 254, "Ran&dom Cycling", 9),
    skin::edit("next", 244, 236, 41, 21),
    skin::edit("dimensions", 412, 172, 58, 21),
    skin::bitmapButton("BitBtn2", 12, 172, 95, 24, TGlyph::Plus, "Add Logo(s)", 1),
    skin::bitmapButton("BitBtn3", 108, 172, 95, 24, TGlyph::InsertIntoBox, "Insert Logo(s)", 2),
    skin::bitmapButton("BitBtn4", 204, 172, 96, 24, TGlyph::Minus, "Remove Selected Logo", 3),
    skin::bitmapButton("BitBtn5", 12, 204, 95, 24, TGlyph::Tick, "Save and Exit", 4),
    skin::bitmapButton("BitBtn6", 108, 204, 95, 24, TGlyph::NoEntry, "Cancel", 5),
    skin::bitmapButton("BitBtn7", 204, 204, 96, 24, TGlyph::Question, "Help", 6),
    skin::bitmapButton("BitBtn1", 12, 244, 160, 24, TGlyph::Restore, "Restore Original Windows Logo", 7),
    skin::bitmapButton("BitBtn8", 466, 2, 13, 13, TGlyph::Cross, "", 10),
};

inline constexpr TWindowGeometry TlogoformGeometry { "Tlogoform", "Brisko Control Panel", "Brisko Control Panel", 483,
    283, 206, 162, TScheme::Logo, TFrame::Skinned, TlogoformControls, "BitBtn6" };
