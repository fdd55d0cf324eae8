#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <QImage>

// A bitmap button's strip: normal, disabled and pressed side by side, each one
// pixel larger than the button face; at scale 2 with twice the pixels.
QImage paintGlyphStrip(const TWindowGeometry& window, const TControlGeometry& button, int scale = 1);
