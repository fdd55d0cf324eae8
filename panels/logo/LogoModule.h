#pragma once

#include "cycle/ModuleParameters.h"

#include <memory>

class LogoApply;

// The start-up logo list, "brisko.dat" with "brisko.cfg", on the common Save sequence. Insert with
// no entry selected appends.
ModuleParameters logoModule();

// The same with the logo format check on every bitmap that Add and Insert are given, and the apply
// step that writes the logo file.
ModuleParameters logoModule(std::shared_ptr<LogoApply> apply);
