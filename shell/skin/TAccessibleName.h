#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <string>

// The name a screen reader announces for a control of a window's table: the name the table gives
// it, else its hint, else its caption, else the words painted beside or above it, else a plain
// word for its symbol. Controls that name nothing (pictures, painted words) get an empty name.
std::string accessibleName(const TWindowGeometry& window, const TControlGeometry& control);
