#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TtonvikformControls[] = {
    skin::background("Image2", 458, 329),
    skin::text(10, 20, 268, 13, "Windows Startup Sound List:"),
    skin::whiteArea(10, 34, 268, 98),
    skin::text(10, 140, 268, 13, "Windows Shutdown Sound List:"),
    skin::whiteArea(10, 154, 268, 98),
    skin::text(279, 100, 112, 13, "Next Startup Sound:", TTextStyle::Right),
    skin::text(283, 121, 150, 12, "(double-click item in list)", TTextStyle::Note),
    skin::text(279, 220, 112, 13, "Next Shutdown Sound:", TTextStyle::Right),
    skin::text(283, 241, 150, 12, "(double-click item in list)", TTextStyle::Note),
    skin::text(283, 268, 96, 13, "Play Current Wav:"),
    skin::emblem(384, 258, 68, 66, TGlyph::ModuleSound, "Tonvik"),
    skin::dragBar("Image1", 457, 17),
    skin::listBox("inlist", 10, 34, 268, 98, 0),
    skin::listBox("outlist", 10, 154, 268, 98, 1),
    skin::checkBox("inedit", 283, 37, "Edit &Startup Sounds", 8),
    skin::checkBox("inenable", 283, 53, "&Enable Startup Sounds", 9),
    skin::announced(skin::checkBox("inran", 283, 69, "Ran&dom cycling", 10, "Ran&dom Cycling"),
        "Random cycling of start-up sounds"),
    skin::edit("innext", 395, 98, 33, 21),
    skin::checkBox("outedit", 283, 157, "Edit Shut&down Sounds", 11),
    skin::checkBox("outenable", 283, 173, "E&nable Shutdown Sounds", 12),
    skin::announced(skin::checkBox("outran", 283, 189, "Rando&m Cycling", 13), "Random cycling of shutdown sounds"),
    skin::edit("outnext", 395, 218, 33, 21),
    skin::bitmapButton("BitBtn1", 11, 259, 87, 25, TGlyph::Plus, "Add Wav(s)", 2),
    skin::bitmapButton("BitBtn2", 99, 259, 87, 25, TGlyph::InsertArrow, "Insert Wav(s)", 3),
    skin::bitmapButton("BitBtn3", 187, 259, 88, 25, TGlyph::Minus, "Remove Selected Wav", 4),
    skin::bitmapButton("BitBtn4", 11, 290, 87, 25, TGlyph::Tick, "Save and Exit", 5),
    skin::bitmapButton("BitBtn5", 99, 290, 87, 25, TGlyph::NoEntry, "Cancel", 6),
    skin::bitmapButton("BitBtn6", 187, 290, 88, 25, TGlyph::Question, "Help", 7),
    skin::bitmapButton("BitBtn8", 284, 284, 26, 27, TGlyph::Play, "Play", 14),
    skin::bitmapButton("BitBtn9", 312, 284, 26, 27, TGlyph::Pause, "Pause/Resume", 15),
    skin::bitmapButton("BitBtn10", 340, 284, 26, 27, TGlyph::Stop, "Stop", 16),
    skin::bitmapButton("BitBtn7", 441, 2, 13, 13, TGlyph::Cross, "", 17),
};

inline constexpr TWindowGeometry TtonvikformGeometry { "Ttonvikform", "Tonvik Control Panel", "Tonvik Control Panel",
    458, 329, 203, 152, TScheme::Sound, TFrame::Skinned, TtonvikformControls, "BitBtn5" };
