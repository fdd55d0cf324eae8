#pragma once

#include <QImage>

// Reduces a true-colour picture to an indexed one of at most `count` colours by median cut, so
// the backgrounds can be stored as 256-colour bitmaps without dithering noise on the labels.
// Pixels less than half opaque become one transparent entry of their own.
QImage reduceColours(const QImage& source, int count);
