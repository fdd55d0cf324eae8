#include "TSymbols.h"

#include "TPaintKit.h"
#include "TPictures.h"
#include "TSchemeColours.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>

namespace symbols {

namespace {

// Shapes are given in a unit box but built on a grid this much finer: joining paths turns curves
// into straight pieces of about one grid unit, which would show as corners in a unit box.
constexpr double grid = 1000;

QPainterPath onGrid(const QPainterPath& unit)
{
    return QTransform::fromScale(grid, grid).map(unit);
}

QPainterPath rounded(double x, double y, double w, double h, double r = 0.05)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return onGrid(path);
}

QPainterPath stroked(const QPainterPath& line, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width * grid);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(onGrid(line));
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return onGrid(path);
}

QPainterPath questionMark()
{
    QPainterPath hook;
    hook.moveTo(0.28, 0.3);
    hook.cubicTo(0.28, 0.06, 0.72, 0.06, 0.72, 0.29);
    hook.cubicTo(0.72, 0.46, 0.5, 0.45, 0.5, 0.64);
    QPainterPath dot;
    dot.addEllipse(QPointF(0.5, 0.86), 0.1, 0.1);
    return stroked(hook, 0.17).united(onGrid(dot)).simplified();
}

// Text as a shape, centred in the unit box and filling the given share of its height.
QPainterPath word(const QString& text, double height, double aspect)
{
    QPainterPath path;
    path.addText(0, 0, paintkit::font(100, true), text);
    QRectF bounds = path.boundingRect();
    double scale = height / bounds.height();
    double width = bounds.width() * scale / aspect;
    if (width > 0.96) {
        scale *= 0.96 / width;
        width = 0.96;
    }
    QTransform fit;
    fit.translate(0.5 - width / 2, 0.5 - bounds.height() * scale / 2);
    fit.scale(scale / aspect, scale);
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(path);
}

// The shape of a one-ink symbol in a unit box; aspect is the box's width over its height.
QPainterPath shape(TGlyph glyph, double aspect)
{
    switch (glyph) {
    case TGlyph::Plus:
        return rounded(0.12, 0.39, 0.76, 0.22).united(rounded(0.39, 0.12, 0.22, 0.76)).simplified();
    case TGlyph::Minus:
        return rounded(0.12, 0.39, 0.76, 0.22);
    case TGlyph::Cross: {
        QPainterPath line;
        line.moveTo(0.22, 0.22);
        line.lineTo(0.78, 0.78);
        line.moveTo(0.78, 0.22);
        line.lineTo(0.22, 0.78);
        return stroked(line, 0.2).simplified();
    }
    case TGlyph::Minimise:
        return rounded(0.18, 0.62, 0.64, 0.2, 0.02);
    case TGlyph::Tick: {
        QPainterPath line;
        line.moveTo(0.14, 0.54);
        line.lineTo(0.4, 0.8);
        line.lineTo(0.88, 0.2);
        return stroked(line, 0.2).simplified();
    }
    case TGlyph::NoEntry: {
        QPainterPath ring;
        ring.addEllipse(QPointF(0.5, 0.5), 0.4, 0.4);
        QPainterPath bar;
        bar.moveTo(0.24, 0.24);
        bar.lineTo(0.76, 0.76);
        return stroked(ring, 0.15).united(stroked(bar, 0.15)).simplified();
    }
    case TGlyph::Question:
    case TGlyph::BigQuestionMark:
        return questionMark();
    case TGlyph::InsertArrow: {
        QPainterPath line;
        line.moveTo(0.2, 0.1);
        line.lineTo(0.2, 0.58);
        line.lineTo(0.62, 0.58);
        return stroked(line, 0.18).united(triangle({ 0.58, 0.3 }, { 0.94, 0.58 }, { 0.58, 0.86 })).simplified();
    }
    case TGlyph::InsertIntoBox: {
        QPainterPath box;
        box.moveTo(0.58, 0.4);
        box.lineTo(0.9, 0.4);
        box.lineTo(0.9, 0.88);
        box.lineTo(0.58, 0.88);
        QPainterPath curve;
        curve.moveTo(0.14, 0.1);
        curve.cubicTo(0.14, 0.48, 0.26, 0.64, 0.5, 0.64);
        return stroked(box, 0.1)
            .united(stroked(curve, 0.15))
            .united(triangle({ 0.46, 0.46 }, { 0.8, 0.64 }, { 0.46, 0.82 }))
            .simplified();
    }
    case TGlyph::TileAll:
        return rounded(0.1, 0.1, 0.36, 0.36)
            .united(rounded(0.54, 0.1, 0.36, 0.36))
            .united(rounded(0.1, 0.54, 0.36, 0.36))
            .united(rounded(0.54, 0.54, 0.36, 0.36));
    case TGlyph::UntileAll: {
        QPainterPath frame = rounded(0.16, 0.16, 0.68, 0.68, 0.06);
        return frame.subtracted(rounded(0.3, 0.3, 0.4, 0.4, 0.03));
    }
    case TGlyph::Play:
        return triangle({ 0.26, 0.14 }, { 0.86, 0.5 }, { 0.26, 0.86 });
    case TGlyph::Pause:
        return rounded(0.2, 0.16, 0.22, 0.68, 0.03).united(rounded(0.58, 0.16, 0.22, 0.68, 0.03));
    case TGlyph::Stop:
        return rounded(0.2, 0.2, 0.6, 0.6, 0.04);
    case TGlyph::ArrowLeft:
        return triangle({ 0.8, 0.15 }, { 0.2, 0.5 }, { 0.8, 0.85 });
    case TGlyph::ArrowRight:
        return triangle({ 0.2, 0.15 }, { 0.8, 0.5 }, { 0.2, 0.85 });
    case TGlyph::ExitWord:
        return onGrid(word("Exit", 0.5, aspect));
    case TGlyph::OkWord:
        return onGrid(word("OK", 0.55, aspect));
    case TGlyph::QuitWord:
        return onGrid(word("Quit", 0.55, aspect));
    case TGlyph::Converter: {
        QPainterPath from = word("jpg/gif", 0.42, aspect);
        QPainterPath to = word("bmp", 0.42, aspect);
        QRectF a = from.boundingRect();
        QRectF b = to.boundingRect();
        double arrow = 0.16;
        double gap = 0.05;
        double total = a.width() + gap + arrow + gap + b.width();
        double left = 0.5 - total / 2;
        from.translate(left - a.left(), 0);
        to.translate(left + a.width() + gap + arrow + gap - b.left(), 0);
        double x = left + a.width() + gap;
        // The shaft's round cap reaches half its width past its start; starting it there would
        // join it to the f of "gif", which then reads as an l.
        double shaftWidth = 0.1;
        QPainterPath shaft;
        shaft.moveTo(x + shaftWidth / 2, 0.5);
        shaft.lineTo(x + arrow * 0.55, 0.5);
        QPainterPath head = triangle({ x + arrow * 0.5, 0.3 }, { x + arrow, 0.5 }, { x + arrow * 0.5, 0.7 });
        return onGrid(from).united(onGrid(to)).united(stroked(shaft, shaftWidth)).united(head);
    }
    default:
        return {};
    }
}

} // namespace

bool isPicture(TGlyph glyph)
{
    return pictures::has(glyph);
}

bool isWide(TGlyph glyph)
{
    return glyph == TGlyph::Converter || glyph == TGlyph::ExitWord || glyph == TGlyph::OkWord
        || glyph == TGlyph::QuitWord;
}

void paint(QPainter& painter, TGlyph glyph, QRectF box, QColor ink)
{
    if (isPicture(glyph)) {
        pictures::paint(painter, glyph, box);
        return;
    }
    if (!isWide(glyph)) {
        double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width() / grid, box.height() / grid);
    QPainterPath path = toBox.map(shape(glyph, box.width() / box.height()));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, lighter(ink, 35));
    fill.setColorAt(0.55, ink);
    fill.setColorAt(1, darker(ink, 25));
    painter.setPen(QPen(darker(ink, 55), box.height() > 24 ? 1.2 : 0.8));
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

} // namespace symbols
