#pragma once

#include "TPictureUnit.h"

// A monitor and the scenes shown on its screen.
namespace pictures {

// A monitor on a stand; returns the screen's area for the caller to fill.
QRectF monitor(Unit& u);
void nightScreen(Unit& u, QRectF s, bool moon);
void sunriseScreen(Unit& u, QRectF s);
void screenPreview(Unit& u);

} // namespace pictures
