#pragma once

#include "shell/skin/TErrorReport.h"

#include <string>

// A message box owned by the active window; the program's other windows take no clicks while it
// is up.
void presentErrorBox(const char* title, const std::string& text);

// The program's one error box (TErrorReport); messages are the core's 8-bit text.
struct TErrorBox : TErrorReport<presentErrorBox> { };
