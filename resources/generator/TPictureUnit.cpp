#include "TPictureUnit.h"

#include <QTransform>

namespace pictures {

// Joining paths turns curves into straight pieces of about one unit, far too coarse in a unit box,
// so it is done on a grid a thousand times finer.
QPainterPath fine(const QPainterPath& path)
{
    return QTransform::fromScale(1000, 1000).map(path);
}
QPainterPath coarse(const QPainterPath& path)
{
    return QTransform::fromScale(0.001, 0.001).map(path);
}
QPainterPath minus(const QPainterPath& a, const QPainterPath& b)
{
    return coarse(fine(a).subtracted(fine(b)));
}
QPainterPath plus(const QPainterPath& a, const QPainterPath& b)
{
    return coarse(fine(a).united(fine(b)));
}

QLinearGradient vertical(double top, double bottom, QColor a, QColor b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

} // namespace pictures
