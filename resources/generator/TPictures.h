#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <QRectF>

class QPainter;

// Full-colour pictures: the module pictures, the product logo and the pictorial button symbols.
namespace pictures {

bool has(TGlyph glyph);
void paint(QPainter& painter, TGlyph glyph, QRectF box);

} // namespace pictures
