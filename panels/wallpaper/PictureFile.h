#pragma once

#include "panels/Picture.h"
#include "panels/wallpaper/FileExtension.h"

#include <string>

// Loads a picture the way the panel previews it: the format follows the file's extension, and
// Windows bitmaps (".bmp", in any case) of any depth are the one known kind. Throws
// "Unknown picture file extension (.%s)" before touching the file, then "Cannot open file %s"
// and "Bitmap image is not valid". Each window layer decodes with its own picture toolkit.
Picture loadPictureFile(const std::string& path);
