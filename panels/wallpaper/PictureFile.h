#pragma once

#include "panels/wallpaper/FileExtension.h"

#include <QImage>
#include <string>

// Loads a picture the way the panel previews it: the format follows the file's extension, and
// Windows bitmaps (".bmp", in any case) are the one known kind. Throws
// "Unknown picture file extension (.%s)" before touching the file, then "Cannot open file %s"
// and "Bitmap image is not valid".
QImage loadPictureFile(const std::string& path);
