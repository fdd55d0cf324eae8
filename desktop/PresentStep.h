#pragma once

#include "zentrel-cycle/CycleServices.h"

#include <iosfwd>

// The whole presenting step of `zentrel-cycle --present`, for whatever runs it (the command, a
// notification's action): the running session's desktop shows the stand-in machine's wallpaper
// and the start-up sound plays. Returns false when either did not happen; the lines as Presenter's.
bool presentOnDesktop(const CycleServices& services, bool dryRun, std::ostream& out, std::ostream& errors);
