#pragma once

#include <iosfwd>

// Exit codes: 0 written, 1 failed (the error box's text is the last line on `errors`), 2 usage.
int runConvertCommand(int argc, const char* const* argv, std::ostream& errors);
