#pragma once

#include <string>
#include <string_view>

// Windows compares file names, ini sections and keys regardless of case, for the ASCII letters
// only: the user's locale never changes what matches.
char upperAscii(char c);
std::string upperAscii(std::string_view text);
