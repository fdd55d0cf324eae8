#pragma once

#include "panels/PanelWiring.h"

namespace TtonvikformWiring {

inline constexpr PanelVerbs verbs { "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "Tcancelform2", "Thelp" };
// Start-up sounds, then shutdown sounds, in the order of SoundList.
inline constexpr ListControls lists[]
    = { { "inlist", "inenable", "inran", "innext" }, { "outlist", "outenable", "outran", "outnext" } };
inline constexpr const char* editBoxes[] = { "inedit", "outedit" }; // SoundPanel::clickEditBox
// Add, Insert and Remove act on the list the edit boxes choose.
inline constexpr EditButtons edits { "BitBtn1", "BitBtn2", "BitBtn3", "Wav Sound Files|*.wav" };
inline constexpr const char* play = "BitBtn8";
inline constexpr const char* pause = "BitBtn9";
inline constexpr const char* stop = "BitBtn10";

} // namespace TtonvikformWiring
