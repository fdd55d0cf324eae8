#pragma once

#include "cycle/ProgramFolder.h"

#include <iosfwd>
#include <string>
#include <vector>

// zentrel-cycle with its arguments (without the program's name). Exit codes: 0 when no module
// failed, 1 when one did (its message on `errors`), 2 for a wrong command line.
int runCycleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors);

// The same for a program built as `installation` says: as installed (Linux), the lists are the
// user's own unless --program-dir names a folder, and the login entry names the installed program
// alone, so that each user who installs it cycles their own lists.
int runCycleCommand(
    const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors, Installation installation);
