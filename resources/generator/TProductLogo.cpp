#include "TProductLogo.h"

#include "TPaintKit.h"
#include "TSchemeColours.h"

#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

namespace pictures {

void productLogo(Unit& u, bool lit)
{
    QRadialGradient disc(QPointF(0.4, 0.36), 0.6);
    disc.setColorAt(0, lit ? QColor(0x8a, 0xb0, 0xf0) : QColor(0x4c, 0x6c, 0xb4));
    disc.setColorAt(1, lit ? QColor(0x3a, 0x5c, 0xa8) : QColor(0x14, 0x1e, 0x44));
    u.p.setPen(u.pen(QColor(0x0a, 0x10, 0x28), 1.2));
    u.p.setBrush(disc);
    u.p.drawEllipse(QPointF(0.5, 0.5), 0.46, 0.46);
    // Two arrows chasing each other round the rim: the cycle of the lists.
    QColor gold = lit ? QColor(0xff, 0xe0, 0x70) : QColor(0xf0, 0xb0, 0x28);
    for (int half = 0; half < 2; ++half) {
        double start = 20 + half * 180;
        QPainterPath arc;
        QRectF ring(0.14, 0.14, 0.72, 0.72);
        arc.arcMoveTo(ring, start);
        arc.arcTo(ring, start, 130);
        QPainterPathStroker stroker;
        stroker.setWidth(80);
        stroker.setCapStyle(Qt::FlatCap);
        QPainterPath band = coarse(stroker.createStroke(fine(arc)));
        double end = (start + 130) * M_PI / 180;
        QPointF tip(0.5 + std::cos(end) * 0.36, 0.5 - std::sin(end) * 0.36);
        QPointF along(-std::sin(end), -std::cos(end));
        QPointF out(std::cos(end), -std::sin(end));
        QPainterPath head;
        head.moveTo(tip + out * 0.09);
        head.lineTo(tip + along * 0.13);
        head.lineTo(tip - out * 0.09);
        head.closeSubpath();
        u.p.setPen(u.pen(darker(gold, 50)));
        u.p.setBrush(gold);
        u.p.drawPath(plus(band, head));
    }
    QPainterPath z;
    z.addText(0, 0, paintkit::font(100, true), "Z");
    QRectF b = z.boundingRect();
    QTransform fit;
    fit.translate(0.5, 0.5);
    fit.scale(0.34 / b.height(), 0.34 / b.height());
    fit.translate(-b.center().x(), -b.center().y());
    u.p.setPen(u.pen(QColor(0x10, 0x18, 0x38), 1.2));
    u.p.setBrush(
        vertical(0.33, 0.67, QColor(0xff, 0xff, 0xff), lit ? QColor(0xe0, 0xe8, 0xff) : QColor(0xc0, 0xd0, 0xf0)));
    u.p.drawPath(fit.map(z));
}

} // namespace pictures
