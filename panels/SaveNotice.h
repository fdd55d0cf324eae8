#pragma once

#include <string>
#include <vector>

class CycleModule;

// What the desktop is told after a Save: a line for each list that took an entry, naming the
// entry applied and the one that comes next, "Wallpaper: sunset.bmp (tiled). Next: wide.bmp".
// `listWords` names each list's entries in the module's order ("Start-up sound", "Shutdown
// sound"). Empty when the Save applied nothing.
std::string saveNotice(const CycleModule& module, const std::vector<std::string>& listWords);
