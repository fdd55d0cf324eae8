#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry TthemainformControls[] = {
    skin::background("background", 292, 310),
    skin::well(22, 128, 142, 142),
    skin::text(22, 276, 142, 13, "Control Center", TTextStyle::Centered),
    skin::picture("logoabout", 29, 136, 128, 128, TGlyph::ProductLogo),
    skin::dragBar("thetitle", 296, 20),
    skin::picture("logoabout2", 29, 136, 128, 128, TGlyph::ProductLogoLit),
    skin::bitmapButton("BitBtn2", 22, 40, 71, 71, TGlyph::ModuleSound, "Tonvik", 0),
    skin::bitmapButton("BitBtn4", 110, 40, 71, 71, TGlyph::ModuleLogo, "Brisko", 1),
    skin::bitmapButton("BitBtn1", 198, 40, 71, 71, TGlyph::ModuleWallpaper, "Murello", 2),
    skin::bitmapButton("BitBtn3", 198, 128, 71, 71, TGlyph::ModuleSaver, "Dozarn", 3),
    skin::bitmapButton("BitBtn5", 198, 216, 71, 71, TGlyph::ModuleTheme, "Ambrel", 4),
    skin::bitmapButton("BitBtn6", 259, 2, 13, 13, TGlyph::Minimise, "", 5),
    skin::bitmapButton("BitBtn7", 275, 2, 13, 13, TGlyph::Cross, "", 6),
};

inline constexpr TWindowGeometry TthemainformGeometry { "Tthemainform", "Zentrel v2.0 Control Center", "Zentrel v2.0",
    292, 310, 262, 123, TScheme::ControlCenter, TFrame::Skinned, TthemainformControls, "BitBtn7" };
