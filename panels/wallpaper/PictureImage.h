#pragma once

#include "panels/Picture.h"

#include <QImage>
#include <string>

// A bitmap file decoded by Qt, with the refusals and messages of loadPictureFile.
QImage loadPictureImage(const std::string& path);

// The panels' pictures as Qt draws them, and back.
QImage pictureImage(const Picture& picture);
Picture pictureOf(const QImage& image);
