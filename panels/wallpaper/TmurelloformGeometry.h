#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TmurelloformControls[] = {
    skin::background("Image2", 517, 327),
    skin::text(10, 21, 289, 13, "List of bitmap images to be cycled as wallpaper:"),
    skin::whiteArea(10, 35, 289, 137),
    skin::text(308, 20, 200, 13, "Select a bitmap for a preview:"),
    skin::well(308, 34, 200, 200),
    skin::text(150, 266, 96, 13, "Next Image:", TTextStyle::Right),
    skin::text(130, 283, 116, 12, "(double-click an", TTextStyle::Right),
    skin::text(130, 295, 116, 12, "entry in the list)", TTextStyle::Right),
    skin::text(308, 264, 52, 13, "Width:", TTextStyle::Right),
    skin::text(308, 290, 52, 13, "Height:", TTextStyle::Right),
    skin::text(408, 264, 36, 13, "pixels"),
    skin::text(408, 290, 36, 13, "pixels"),
    skin::emblem(448, 240, 64, 82, TGlyph::ModuleWallpaper, "Murello"),
    skin::dragBar("dummybar", 517, 19),
    skin::bitmapButton("BitBtn11", 501, 2, 13, 13, TGlyph::Cross, "", 13),
    skin::listBox("List", 10, 35, 289, 137, 0),
    skin::bitmapButton("BitBtn1", 11, 179, 95, 23, TGlyph::Plus, "Add Bitmap(s)", 1),
    skin::bitmapButton("BitBtn2", 107, 179, 95, 23, TGlyph::InsertArrow, "Insert Bitmap(s)", 2),
    skin::bitmapButton("BitBtn3", 203, 179, 96, 23, TGlyph::Minus, "Remove Selected Bitmap", 3),
    skin::bitmapButton("BitBtn4", 11, 203, 95, 23, TGlyph::Converter, "JPG/GIF to BMP Converter", 4),
    skin::bitmapButton("BitBtn5", 107, 203, 95, 23, TGlyph::TileAll, "Tile All Bitmaps", 5),
    skin::bitmapButton("BitBtn6", 203, 203, 96, 23, TGlyph::UntileAll, "Untile All Bitmaps", 6),
    skin::bitmapButton("BitBtn7", 11, 235, 95, 23, TGlyph::Tick, "Save and Exit", 7),
    skin::bitmapButton("BitBtn8", 107, 235, 95, 23, TGlyph::NoEntry, "Cancel", 8),
    skin::bitmapButton("BitBtn9", 203, 235, 96, 23, TGlyph::Question, "Help", 9),
    skin::checkBox("tile", 10, 267, "&Tile selected bitmap", 10),
    skin::checkBox("ran", 10, 283, "Ran&dom cycling", 11),
    skin::checkBox("enable", 10, 299, "&Enable Murello", 12),
    skin::edit("next", 250, 268, 43, 24, "1"),
    skin::picture("pic", 308, 34, 200, 200),
    skin::edit("picwidth", 363, 260, 41, 21),
    skin::edit("picheight", 363, 286, 41, 21),
};

inline constexpr TWindowGeometry TmurelloformGeometry { "Tmurelloform", "Murello Control Panel",
    "Murello Control Panel", 517, 327, 185, 134, TScheme::Wallpaper, TFrame::Skinned, TmurelloformControls, "BitBtn8" };
