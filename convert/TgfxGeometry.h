#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TgfxControls[] = {
    // Beneath the background until a load brings it to the front.
    skin::picture("pic", 8, 96, 150, 150),
    skin::background("Image1", 275, 256),
    skin::text(11, 28, 257, 13, "Current Open Filename:"),
    skin::whiteArea(11, 43, 257, 21),
    skin::text(8, 80, 150, 13, "Preview:"),
    skin::well(8, 96, 150, 150),
    skin::dragBar("Image2", 273, 17),
    skin::edit("thefile", 11, 43, 257, 21),
    skin::bitmapButton("BitBtn1", 171, 99, 96, 32, TGlyph::OpenFolder, "Load Jpg or Gif", 1),
    skin::bitmapButton("BitBtn2", 171, 147, 96, 32, TGlyph::Floppy, "Save as Bmp", 2),
    skin::bitmapButton("BitBtn3", 171, 211, 96, 32, TGlyph::ExitWord, "Exit Gfx Converter", 3),
};

inline constexpr TWindowGeometry TgfxGeometry { "Tgfx", "JPG / GIF to BMP Converter", "JPG / GIF to BMP Converter", 275,
    256, 293, 111, TScheme::Grey, TFrame::Skinned, TgfxControls, "BitBtn3" };
