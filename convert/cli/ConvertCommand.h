#pragma once

#include <iosfwd>

// zentrel-convert INPUT OUTPUT, or zentrel-convert --to FOLDER INPUT...
// Exit codes: 0 all written, 1 any failed (one line on `errors` for each failure: the error box's
// text, in the folder form after the input's name), 2 usage.
int runConvertCommand(int argc, const char* const* argv, std::ostream& errors);

extern const char* const convertUsage;
