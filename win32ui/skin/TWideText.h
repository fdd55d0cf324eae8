#pragma once

#include <string>
#include <string_view>

// The windows speak UTF-16. The geometry tables and help texts are UTF-8; file names and list
// entries are the core's 8-bit text, which on Windows is in the ANSI code page.
std::wstring fromUtf8(std::string_view text);
std::wstring fromAnsi(std::string_view text);
// Throws when a character has no form in the ANSI code page: a '?' in its place would name
// another file.
std::string toAnsi(std::wstring_view text);
// As toAnsi, but gives nothing instead of throwing.
bool tryToAnsi(std::wstring_view text, std::string& ansi);
