#pragma once

#include "cycle/ModuleParameters.h"

#include <memory>

class SoundApply;

// The two sound lists, start-up sounds in "tonvikst.dat" and shutdown sounds in "tonvikxt.dat",
// sharing "tonvik.cfg" (lines 0 and 1 for start-up, 2 and 3 for shutdown).
enum SoundList : std::size_t { StartupSounds = 0, ShutdownSounds = 1 };

// Insert with no entry selected in the edit target appends only when the other list has one;
// Remove leaves the next fields alone. Save reads the positions from the next fields, changes
// lines 1 and 3 only by advancing an applied list, and writes the settings once, at the end.
// The apply slots (one per list) set the sound event values; their `prepare` reports whether the
// event's registry key exists.
ModuleParameters soundModule();

// The same with the apply step filled in: the start-up list sets SystemStart, the shutdown list
// SystemExit.
ModuleParameters soundModule(std::shared_ptr<SoundApply> apply);
