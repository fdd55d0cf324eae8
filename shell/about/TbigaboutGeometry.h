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

// What the about window says and where its contact entries lead, in both window layers.
namespace about {
inline constexpr const char* mailAddress = "zentrel@example.org";
inline constexpr const char* webAddress = "https://zentrel.example.org/";
// The web address as the list shows it; the whole address would not fit the narrow list.
inline constexpr const char* webCaption = "zentrel.example.org";
// Centred by leading blanks when shown.
inline constexpr const char* creditLines[] = {
    "Zentrel v2.0   (c) 2026",
    "Written by the Zentrel project.",
    "Thanks to all who tried it out.",
    "",
    "Write to us at the addresses below:",
};
} // namespace about
