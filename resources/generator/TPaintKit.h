#pragma once

#include <QFont>
#include <QImage>
#include <QRect>

class QPainter;

// The few drawing moves every picture of the skin is made of.
namespace paintkit {

// Registers the faces the skin is drawn in; call once before drawing.
void loadFonts();

QFont font(int pixelSize, bool bold = false);
// The narrower face for labels, close to the widths the layouts were made for.
QFont labelFont(int pixelSize, bool bold = false);

// An image of `size` in the tables' pixels with `scale` times as many real ones; a painter on it
// draws in the tables' pixels.
QImage canvas(QSize size, int scale, QImage::Format format);

// A panel face with a fine grain, the same for every run.
void texture(QImage& image, QRect area, QColor base, unsigned seed);

// Two-pixel bevels: raised lights the top and left edges, sunken shades them.
void raised(QPainter& painter, QRect area, QColor base);
void sunken(QPainter& painter, QRect area, QColor base);
void roundedWell(QPainter& painter, QRectF area, double radius, QColor inside);

} // namespace paintkit
