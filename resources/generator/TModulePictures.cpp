#include "TModulePictures.h"

#include "TSchemeColours.h"

#include <QRadialGradient>
#include <utility>

namespace pictures {

void wallpaper(Unit& u)
{
    QRectF frame(0.06, 0.12, 0.88, 0.76);
    u.p.setPen(u.pen(QColor(0x4a, 0x30, 0x10)));
    QLinearGradient wood(0, 0.12, 1, 0.88);
    wood.setColorAt(0, QColor(0xf0, 0xc8, 0x70));
    wood.setColorAt(0.5, QColor(0xc0, 0x86, 0x30));
    wood.setColorAt(1, QColor(0x8a, 0x58, 0x18));
    u.p.setBrush(wood);
    u.p.drawRect(frame);
    QRectF view = frame.adjusted(0.08, 0.09, -0.08, -0.09);
    u.p.setBrush(vertical(view.top(), view.bottom(), QColor(0x3c, 0x7c, 0xd8), QColor(0xbc, 0xe0, 0xff)));
    u.p.drawRect(view);
    u.p.setClipRect(view);
    u.p.setPen(Qt::NoPen);
    QRadialGradient sun(
        QPointF(view.left() + view.width() * 0.75, view.top() + view.height() * 0.3), view.height() * 0.18);
    sun.setColorAt(0, QColor(0xff, 0xfa, 0xc0));
    sun.setColorAt(1, QColor(0xff, 0xc0, 0x20));
    u.p.setBrush(sun);
    u.p.drawEllipse(sun.center(), view.height() * 0.16, view.height() * 0.16);
    QPainterPath far;
    far.moveTo(view.left(), view.bottom());
    far.cubicTo(view.left() + view.width() * 0.2, view.top() + view.height() * 0.35, view.left() + view.width() * 0.45,
        view.top() + view.height() * 0.5, view.left() + view.width() * 0.7, view.bottom());
    u.p.setBrush(QColor(0x3a, 0x8a, 0x4a));
    u.p.drawPath(far);
    QPainterPath near;
    near.moveTo(view.left() + view.width() * 0.25, view.bottom());
    near.cubicTo(view.left() + view.width() * 0.55, view.top() + view.height() * 0.5, view.right(),
        view.top() + view.height() * 0.55, view.right(), view.bottom());
    u.p.setBrush(QColor(0x5c, 0xb0, 0x48));
    u.p.drawPath(near);
    u.p.setClipping(false);
}

void sound(Unit& u)
{
    u.p.setPen(u.pen(QColor(0x18, 0x18, 0x1c)));
    u.p.setBrush(vertical(0.34, 0.66, QColor(0x80, 0x80, 0x88), QColor(0x30, 0x30, 0x36)));
    u.p.drawRoundedRect(QRectF(0.08, 0.35, 0.18, 0.3), 0.03, 0.03);
    QPainterPath cone;
    cone.moveTo(0.26, 0.35);
    cone.lineTo(0.5, 0.12);
    cone.lineTo(0.5, 0.88);
    cone.lineTo(0.26, 0.65);
    cone.closeSubpath();
    QLinearGradient metal(0.26, 0, 0.5, 0);
    metal.setColorAt(0, QColor(0x58, 0x58, 0x60));
    metal.setColorAt(1, QColor(0xc8, 0xc8, 0xd0));
    u.p.setBrush(metal);
    u.p.drawPath(cone);
    u.p.setBrush(Qt::NoBrush);
    const QColor waves[] = { QColor(0x2a, 0xa0, 0x50), QColor(0x38, 0xb8, 0x60), QColor(0x60, 0xd0, 0x80) };
    for (int i = 0; i < 3; ++i) {
        double r = 0.14 + 0.12 * i;
        u.p.setPen(u.pen(waves[i], u.small() ? 1.3 : 2.4));
        u.p.drawArc(QRectF(0.5 - r, 0.5 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
}

void theme(Unit& u)
{
    QPainterPath board;
    board.moveTo(0.5, 0.1);
    board.cubicTo(0.85, 0.08, 1.0, 0.35, 0.93, 0.58);
    board.cubicTo(0.86, 0.8, 0.62, 0.72, 0.56, 0.8);
    board.cubicTo(0.5, 0.9, 0.34, 0.94, 0.2, 0.86);
    board.cubicTo(0.02, 0.74, 0.04, 0.3, 0.2, 0.2);
    board.cubicTo(0.3, 0.13, 0.4, 0.1, 0.5, 0.1);
    QPainterPath hole;
    hole.addEllipse(QPointF(0.33, 0.66), 0.07, 0.07);
    u.p.setPen(u.pen(QColor(0x6a, 0x48, 0x20)));
    QLinearGradient wood(0, 0.1, 0.9, 0.9);
    wood.setColorAt(0, QColor(0xf6, 0xe2, 0xb4));
    wood.setColorAt(1, QColor(0xc8, 0x9c, 0x5c));
    u.p.setBrush(wood);
    u.p.drawPath(minus(board, hole));
    const std::pair<QPointF, QColor> blobs[] = {
        { { 0.3, 0.34 }, QColor(0xe0, 0x28, 0x28) },
        { { 0.5, 0.24 }, QColor(0xf8, 0xd0, 0x20) },
        { { 0.7, 0.28 }, QColor(0x30, 0xa8, 0x40) },
        { { 0.8, 0.5 }, QColor(0x28, 0x60, 0xd8) },
        { { 0.6, 0.5 }, QColor(0x98, 0x38, 0xc0) },
    };
    u.p.setPen(u.pen(QColor(0, 0, 0, 90)));
    for (auto& [at, colour] : blobs) {
        QRadialGradient gloss(at - QPointF(0.02, 0.02), 0.08);
        gloss.setColorAt(0, lighter(colour, 45));
        gloss.setColorAt(1, colour);
        u.p.setBrush(gloss);
        u.p.drawEllipse(at, 0.075, 0.065);
    }
}

} // namespace pictures
