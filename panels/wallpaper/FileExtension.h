#pragma once

#include <string>

// The extension of a path without its dot: what follows the last "." of the file name, empty
// when the name has none.
std::string fileExtension(const std::string& path);

// Whether an extension names a Windows bitmap: "bmp" in any case.
bool isBitmapExtension(const std::string& extension);
