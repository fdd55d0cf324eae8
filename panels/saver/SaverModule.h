#pragma once

#include "cycle/ModuleParameters.h"

#include <memory>

class SaverApply;

// The screen-saver list, "dozarn.dat" with "dozarn.cfg": the common Save sequence. Insert with no
// entry selected inserts nothing. The apply slot's `prepare` reads system.ini, `apply` writes it.
ModuleParameters saverModule();

// The same with the apply step filled in.
ModuleParameters saverModule(std::shared_ptr<SaverApply> apply);
