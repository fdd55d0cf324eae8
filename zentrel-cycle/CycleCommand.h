#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// zentrel-cycle with its arguments (without the program's name). Exit codes: 0 when no module
// failed, 1 when one did (its message on `errors`), 2 for a wrong command line.
int runCycleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors);
