#pragma once

#include "cycle/ModuleParameters.h"

// The theme list, "ambrel.dat" with "ambrel.cfg"; any chosen file is taken. Insert with no entry
// selected appends. The apply step (the shell's "Apply Settings") fills the hook slot.
ModuleParameters themeModule();
