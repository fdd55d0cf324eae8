#pragma once

#include <string>

// Reads a next position as the settings files have always stored it: optional leading blanks, an
// optional sign, then decimal digits or "$" and hexadecimal digits, nothing after them, within the
// 32-bit range. Anything else throws Exception("'%s' is not a valid integer value").
int integerFromText(const std::string& text);
