#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// What the full-colour pictures are drawn with.
namespace pictures {

// Draws in a unit box; pens are given in pixels of the real box.
class Unit {
public:
    Unit(QPainter& painter, QRectF box)
        : p(painter)
        , box_(box)
    {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(box.topLeft());
        p.scale(box.width(), box.height());
    }
    ~Unit() { p.restore(); }

    QPen pen(QColor colour, double pixels = 1.0) const
    {
        // A cosmetic pen is measured in real pixels, which a denser picture has more of.
        QPen result(colour, pixels * p.device()->devicePixelRatio());
        result.setCosmetic(true);
        result.setJoinStyle(Qt::RoundJoin);
        result.setCapStyle(Qt::RoundCap);
        return result;
    }
    double px() const { return 1.0 / box_.width(); }
    bool small() const { return box_.width() < 28; }

    QPainter& p;

private:
    QRectF box_;
};

// Outline arithmetic that keeps curves smooth in a unit box.
QPainterPath fine(const QPainterPath& path);
QPainterPath coarse(const QPainterPath& path);
QPainterPath minus(const QPainterPath& a, const QPainterPath& b);
QPainterPath plus(const QPainterPath& a, const QPainterPath& b);

QLinearGradient vertical(double top, double bottom, QColor a, QColor b);

} // namespace pictures
