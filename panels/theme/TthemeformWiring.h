#pragma once

#include "panels/PanelWiring.h"

namespace TthemeformWiring {

inline constexpr PanelVerbs verbs { "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn8", "Tcancelform5", "Tthemehelp" };
inline constexpr ListControls list { "list", "enable", "ran", "next" };
inline constexpr EditButtons edits { "BitBtn1", "BitBtn2", "BitBtn3", "Theme Files|*.theme" };
inline constexpr const char* open = "BitBtn7"; // ThemePanel::open

} // namespace TthemeformWiring
