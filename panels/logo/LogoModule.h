#pragma once

#include "cycle/ModuleParameters.h"

// The start-up logo list, "brisko.dat" with "brisko.cfg". Insert with no entry selected appends.
// Two slots are filled later: the format check that Add and Insert run on each chosen bitmap
// (`checkFile`), and the apply step that writes the logo file (its `prepare` removes the old
// logo file before the next position is read).
ModuleParameters logoModule();
