#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <QColor>
#include <QRectF>

class QPainter;

// The symbols on the buttons and the pictures of the modules, drawn as vectors into any box so
// that one drawing serves a 14-pixel button and a 72-pixel one.
namespace symbols {

// Symbols drawn in one ink; pictures carry their own colours.
bool isPicture(TGlyph glyph);
// Symbols that use the whole width of a button rather than a square in its middle.
bool isWide(TGlyph glyph);

void paint(QPainter& painter, TGlyph glyph, QRectF box, QColor ink);

} // namespace symbols
