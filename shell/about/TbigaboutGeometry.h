#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TbigaboutControls[] = {
    skin::background("Image1", 296, 313),
    skin::whiteArea(14, 26, 268, 136),
    skin::emblem(22, 176, 124, 124, TGlyph::ProductLogo),
    skin::well(158, 211, 108, 83),
    skin::dragBar("Image2", 297, 17),
    skin::memo("Memo1", 20, 32, 255, 89, 3),
    skin::listBox("ListBox1", 72, 120, 153, 36, 2),
    skin::bitmapButton("okbut", 165, 218, 94, 29, TGlyph::OkWord, "", 0),
    skin::bitmapButton("quitbut", 165, 258, 94, 29, TGlyph::QuitWord, "", 1),
};

inline constexpr TWindowGeometry TbigaboutGeometry { "Tbigabout", "Zentrel V2.0 About", "About Zentrel v2.0", 296, 313,
    286, 133, TScheme::Grey, TFrame::Skinned, TbigaboutControls, "okbut" };
