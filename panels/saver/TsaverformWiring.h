#pragma once

#include "panels/PanelWiring.h"

namespace TsaverformWiring {

inline constexpr PanelVerbs verbs { "BitBtn6", "BitBtn7", "BitBtn8", "BitBtn9", "Tcancelform3", "Tsaverhelp" };
inline constexpr ListControls list { "list", "enable", "ran", "next" };
inline constexpr EditButtons edits { "BitBtn1", "BitBtn2", "BitBtn3", "ScreenSaver Files|*.scr" };
inline constexpr const char* preview = "BitBtn4"; // SaverPanel::preview
inline constexpr const char* options = "BitBtn5"; // SaverPanel::options

} // namespace TsaverformWiring
