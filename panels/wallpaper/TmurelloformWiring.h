#pragma once

#include "panels/PanelWiring.h"

namespace TmurelloformWiring {

inline constexpr PanelVerbs verbs { "BitBtn7", "BitBtn8", "BitBtn9", "BitBtn11", "Tcancelform", "Thelp2" };
inline constexpr ListControls list { "List", "enable", "ran", "next" };
inline constexpr EditButtons edits { "BitBtn1", "BitBtn2", "BitBtn3", "Bitmap Image|*.bmp" };

inline constexpr const char* tile = "tile"; // WallpaperPanel::clickTile
inline constexpr const char* tileAll = "BitBtn5"; // WallpaperPanel::tileAll
inline constexpr const char* untileAll = "BitBtn6"; // WallpaperPanel::untileAll
inline constexpr const char* converter = "BitBtn4";
inline constexpr const char* converterWindow = "Tgfx";
inline constexpr const char* preview = "pic";
inline constexpr const char* pictureWidth = "picwidth";
inline constexpr const char* pictureHeight = "picheight";

} // namespace TmurelloformWiring
