#pragma once

#include "cycle/LineList.h"

#include <string>

// A theme file's lines. Windows saves theme files in UTF-16 with a byte-order mark as often as
// in 8-bit text: a file that starts with the mark of UTF-16 LE or BE is read as such, into UTF-8,
// the way this system names its files; a UTF-8 mark is dropped; anything else is 8-bit text, kept
// as it is. Lines end as in a line list, and a NUL ends the text.
LineList themeLines(const std::string& bytes);

// The same, read from the file. Throws "Cannot open file %s", and for a FIFO, device or socket
// "<path> is not a regular file".
LineList readThemeFile(const std::string& path);
