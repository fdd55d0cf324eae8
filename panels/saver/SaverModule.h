#pragma once

#include "cycle/ModuleParameters.h"

// The screen-saver list, "dozarn.dat" with "dozarn.cfg". Insert with no entry selected inserts
// nothing. The apply step (system.ini and "ScreenSaveActive") fills the hook slot.
ModuleParameters saverModule();
