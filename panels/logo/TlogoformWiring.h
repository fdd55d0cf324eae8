#pragma once

#include "panels/PanelWiring.h"

namespace TlogoformWiring {

inline constexpr PanelVerbs verbs { "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8", "Tcancelform4", "Tbriskohelp" };
inline constexpr ListControls list { "list", "enable", "ran", "next" };
// Boot logos are bitmaps under their own name, LOGO.SYS, so the dialog offers them too.
inline constexpr EditButtons edits { "BitBtn2", "BitBtn3", "BitBtn4",
    "Bitmaps and logo files|*.bmp;*.sys|Bitmap files|*.bmp|Logo files|*.sys" };
inline constexpr const char* restore = "BitBtn1"; // LogoPanel::restore, then the window below
inline constexpr const char* restoredWindow = "Tlogorest";
inline constexpr const char* preview = "preview";
inline constexpr const char* dimensions = "dimensions";

} // namespace TlogoformWiring
