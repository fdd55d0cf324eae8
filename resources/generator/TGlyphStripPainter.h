#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <QImage>

// A bitmap button's strip: normal, disabled and pressed side by side, each one pixel larger than
// the button face.
QImage paintGlyphStrip(const TWindowGeometry& window, const TControlGeometry& button);
