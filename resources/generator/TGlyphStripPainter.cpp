#include "TGlyphStripPainter.h"

#include "TPaintKit.h"
#include "TPictures.h"
#include "TSchemeColours.h"
#include "TSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

enum class State { Normal, Disabled, Pressed };

// Where the symbol goes on a face of the given size.
QRectF symbolBox(TGlyph glyph, QSize face)
{
    if (symbols::isWide(glyph))
        return QRectF(6, 3, face.width() - 12, face.height() - 6);
    double side;
    if (face.width() >= 60 && face.height() >= 60)
        return QRectF(face.width() * 0.2, 6, face.width() * 0.6, face.width() * 0.6);
    else if (face.height() <= 15)
        side = face.height() - 3;
    else if (pictures::has(glyph))
        side = std::min(face.height() - 5, 28);
    else
        side = std::min(face.height() - 6, 20);
    return QRectF((face.width() - side) / 2.0, (face.height() - side) / 2.0, side, side);
}

// The symbol alone, so a disabled face can show it as an engraving.
QImage symbolLayer(TGlyph glyph, QSize face, QRectF box, QColor ink, int scale)
{
    QImage layer = paintkit::canvas(face, scale, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    symbols::paint(p, glyph, box, ink);
    return layer;
}

void engraved(QPainter& p, const QImage& layer, QColor face)
{
    auto tinted = [&layer](QColor colour) {
        QImage copy = layer;
        QPainter t(&copy);
        t.setCompositionMode(QPainter::CompositionMode_SourceIn);
        t.fillRect(copy.rect(), colour);
        return copy;
    };
    p.drawImage(QPointF(1, 1), tinted(lighter(face, 75)));
    p.drawImage(QPointF(0, 0), tinted(darker(face, 38)));
}

// A picture faded to grey, for a disabled face.
void faded(QPainter& p, QImage layer, QColor face)
{
    layer = layer.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            QRgb pixel = layer.pixel(x, y);
            QColor grey = mix(QColor(qGray(pixel), qGray(pixel), qGray(pixel)), face, 0.45);
            layer.setPixel(x, y, qRgba(grey.red(), grey.green(), grey.blue(), qAlpha(pixel)));
        }
    p.drawImage(0, 0, layer);
}

void moduleFace(QPainter& p, const TControlGeometry& button, State state, QSize face, const TSchemeColours& c)
{
    p.fillRect(QRect(QPoint(0, 0), face), c.well);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF tile(0.5, 0.5, button.w - 1.0, button.h - 1.0);
    QPainterPath shape;
    shape.addRoundedRect(tile, 9, 9);
    QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
    QColor base = state == State::Disabled ? mix(c.button, QColor(0xa0, 0xa0, 0xa0), 0.7) : c.button;
    if (state == State::Pressed) {
        shade.setColorAt(0, darker(base, 22));
        shade.setColorAt(1, lighter(base, 10));
    } else {
        shade.setColorAt(0, lighter(base, 45));
        shade.setColorAt(0.5, base);
        shade.setColorAt(1, darker(base, 14));
    }
    p.fillPath(shape, shade);
    p.setPen(QPen(darker(c.face, 55), 1));
    p.drawPath(shape);
    QPainterPath gloss;
    gloss.addRoundedRect(tile.adjusted(2, 2, -2, -tile.height() * 0.55), 7, 7);
    if (state != State::Pressed)
        p.fillPath(gloss, QColor(255, 255, 255, 55));
}

QImage paintFrame(const TWindowGeometry& window, const TControlGeometry& button, State state, int scale)
{
    TSchemeColours c = TSchemeColours::of(window.scheme);
    QSize face(button.w + 1, button.h + 1);
    QImage frame = paintkit::canvas(face, scale, QImage::Format_RGB32);
    QPainter p(&frame);
    bool module = button.w >= 60 && button.h >= 60;
    bool small = button.h <= 15;
    QColor ink = small ? darker(c.title, 20) : c.accent;
    if (module) {
        moduleFace(p, button, state, face, c);
    } else {
        QColor base = state == State::Pressed ? darker(c.button, 8) : c.button;
        QLinearGradient shade(0, 0, 0, face.height());
        shade.setColorAt(0, lighter(base, state == State::Pressed ? 0 : 30));
        shade.setColorAt(1, darker(base, state == State::Pressed ? 0 : 8));
        p.fillRect(QRect(QPoint(0, 0), face), state == State::Disabled ? QBrush(base) : QBrush(shade));
        QRect edge(0, 0, button.w, button.h);
        if (state == State::Pressed)
            paintkit::sunken(p, edge, c.button);
        else
            paintkit::raised(p, edge, c.button);
        p.setPen(darker(c.face, 70));
        p.drawLine(0, face.height() - 1, face.width() - 1, face.height() - 1);
        p.drawLine(face.width() - 1, 0, face.width() - 1, face.height() - 1);
    }
    QRectF box = symbolBox(button.glyph, QSize(button.w, button.h));
    if (state == State::Pressed)
        box.translate(1, 1);
    if (state == State::Disabled && pictures::has(button.glyph)) {
        faded(p, symbolLayer(button.glyph, face, box, ink, scale), c.button);
    } else if (state == State::Disabled) {
        engraved(p, symbolLayer(button.glyph, face, box, ink, scale), c.button);
        if (button.glyph == TGlyph::OkWord) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(darker(c.button, 45), 2));
            p.drawLine(QPointF(box.left() + box.width() * 0.25, box.center().y()),
                QPointF(box.right() - box.width() * 0.25, box.center().y()));
        }
    } else {
        symbols::paint(p, button.glyph, box, ink);
    }
    if (module) {
        // The module's name under its picture, so the Control Center reads without hints.
        p.setFont(paintkit::font(11, true));
        QRectF name(0, box.bottom() + 1, button.w, button.h - box.bottom() - 4);
        if (state == State::Pressed)
            name.translate(1, 1);
        p.setPen(state == State::Disabled ? lighter(c.button, 60) : lighter(c.button, 70));
        p.drawText(name.translated(1, 1), Qt::AlignCenter, QString::fromUtf8(button.hint));
        p.setPen(state == State::Disabled ? darker(c.button, 35) : c.title);
        p.drawText(name, Qt::AlignCenter, QString::fromUtf8(button.hint));
    }
    return frame;
}

} // namespace

QImage paintGlyphStrip(const TWindowGeometry& window, const TControlGeometry& button, int scale)
{
    int w = button.w + 1;
    QImage strip = paintkit::canvas(QSize(w * 3, button.h + 1), scale, QImage::Format_RGB32);
    QPainter p(&strip);
    p.drawImage(0, 0, paintFrame(window, button, State::Normal, scale));
    p.drawImage(w, 0, paintFrame(window, button, State::Disabled, scale));
    p.drawImage(2 * w, 0, paintFrame(window, button, State::Pressed, scale));
    return strip;
}
