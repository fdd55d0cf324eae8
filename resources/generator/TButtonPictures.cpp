#include "TButtonPictures.h"

#include <cmath>

namespace pictures {

namespace {

void gear(Unit& u, QPointF centre, double outer)
{
    QPainterPath teeth;
    const int count = 8;
    for (int i = 0; i < count * 2; ++i) {
        double angle = M_PI * i / count;
        double r = (i % 2 == 0) ? outer : outer * 0.74;
        double half = M_PI / count * 0.5;
        QPointF a = centre + QPointF(std::cos(angle - half) * r, std::sin(angle - half) * r);
        QPointF b = centre + QPointF(std::cos(angle + half) * r, std::sin(angle + half) * r);
        if (i == 0)
            teeth.moveTo(a);
        else
            teeth.lineTo(a);
        teeth.lineTo(b);
    }
    teeth.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, outer * 0.3, outer * 0.3);
    u.p.setPen(u.pen(QColor(0x30, 0x30, 0x38)));
    QLinearGradient steel(centre.x() - outer, centre.y() - outer, centre.x() + outer, centre.y() + outer);
    steel.setColorAt(0, QColor(0xf0, 0xf0, 0xf4));
    steel.setColorAt(1, QColor(0x70, 0x74, 0x80));
    u.p.setBrush(steel);
    u.p.drawPath(minus(teeth, hole));
}

} // namespace

void options(Unit& u)
{
    gear(u, { 0.42, 0.45 }, 0.36);
    gear(u, { 0.78, 0.78 }, 0.2);
}

void restoreArrow(Unit& u)
{
    QPainterPath arrow;
    arrow.moveTo(0.02, 0.38);
    arrow.lineTo(0.2, 0.38);
    arrow.lineTo(0.2, 0.26);
    arrow.lineTo(0.4, 0.46);
    arrow.lineTo(0.2, 0.66);
    arrow.lineTo(0.2, 0.54);
    arrow.lineTo(0.02, 0.54);
    arrow.closeSubpath();
    u.p.setPen(u.pen(QColor(0x7a, 0x30, 0x00)));
    u.p.setBrush(vertical(0.26, 0.66, QColor(0xff, 0xb0, 0x50), QColor(0xe0, 0x60, 0x08)));
    u.p.drawPath(arrow);
}

void insertArrow(Unit& u)
{
    QPainterPath bend;
    bend.moveTo(0.1, 0.08);
    bend.cubicTo(0.1, 0.46, 0.14, 0.58, 0.3, 0.58);
    QPainterPath head;
    head.moveTo(0.28, 0.38);
    head.lineTo(0.48, 0.58);
    head.lineTo(0.28, 0.78);
    head.closeSubpath();
    QColor edge(0x7a, 0x30, 0x00);
    u.p.setBrush(Qt::NoBrush);
    u.p.setPen(QPen(edge, 0.17, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    u.p.drawPath(bend);
    u.p.setPen(QPen(QColor(0xf0, 0x84, 0x20), 0.11, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    u.p.drawPath(bend);
    u.p.setPen(u.pen(edge));
    u.p.setBrush(vertical(0.38, 0.78, QColor(0xff, 0xb0, 0x50), QColor(0xe0, 0x60, 0x08)));
    u.p.drawPath(head);
}

void themePreview(Unit& u)
{
    QRectF desk(0.06, 0.1, 0.88, 0.8);
    u.p.setPen(u.pen(QColor(0x20, 0x20, 0x28)));
    u.p.setBrush(vertical(0.1, 0.9, QColor(0x30, 0x98, 0x98), QColor(0x10, 0x60, 0x68)));
    u.p.drawRect(desk);
    QRectF window(0.3, 0.24, 0.56, 0.5);
    u.p.setBrush(QColor(0xf4, 0xf0, 0xe8));
    u.p.drawRect(window);
    u.p.setPen(Qt::NoPen);
    u.p.setBrush(QColor(0x50, 0x28, 0x80));
    u.p.drawRect(QRectF(window.left(), window.top(), window.width(), 0.12));
    const QColor swatches[] = { QColor(0xe0, 0x40, 0x30), QColor(0xf0, 0xc0, 0x20), QColor(0x40, 0x80, 0xd8) };
    for (int i = 0; i < 3; ++i) {
        u.p.setBrush(swatches[i]);
        u.p.drawRect(QRectF(window.left() + 0.06 + i * 0.16, window.top() + 0.2, 0.12, 0.2));
    }
    u.p.setBrush(QColor(0xff, 0xe0, 0x60));
    u.p.drawEllipse(QPointF(0.16, 0.24), 0.05, 0.05);
}

void openFolder(Unit& u)
{
    u.p.setPen(u.pen(QColor(0x6a, 0x4a, 0x00)));
    QPainterPath back;
    back.moveTo(0.06, 0.86);
    back.lineTo(0.06, 0.2);
    back.lineTo(0.34, 0.2);
    back.lineTo(0.4, 0.28);
    back.lineTo(0.84, 0.28);
    back.lineTo(0.84, 0.86);
    back.closeSubpath();
    u.p.setBrush(vertical(0.2, 0.86, QColor(0xe8, 0xb4, 0x30), QColor(0xb8, 0x80, 0x10)));
    u.p.drawPath(back);
    u.p.setBrush(QColor(0xfc, 0xfc, 0xf4));
    u.p.drawRect(QRectF(0.16, 0.32, 0.56, 0.4));
    QPainterPath flap;
    flap.moveTo(0.06, 0.86);
    flap.lineTo(0.22, 0.46);
    flap.lineTo(0.98, 0.46);
    flap.lineTo(0.84, 0.86);
    flap.closeSubpath();
    u.p.setBrush(vertical(0.46, 0.86, QColor(0xff, 0xe2, 0x78), QColor(0xf0, 0xb8, 0x30)));
    u.p.drawPath(flap);
}

void floppy(Unit& u)
{
    QPainterPath body;
    body.moveTo(0.1, 0.08);
    body.lineTo(0.8, 0.08);
    body.lineTo(0.92, 0.2);
    body.lineTo(0.92, 0.92);
    body.lineTo(0.1, 0.92);
    body.closeSubpath();
    u.p.setPen(u.pen(QColor(0x08, 0x10, 0x28)));
    u.p.setBrush(vertical(0.08, 0.92, QColor(0x40, 0x58, 0x98), QColor(0x18, 0x24, 0x50)));
    u.p.drawPath(body);
    u.p.setBrush(vertical(0.08, 0.4, QColor(0xf0, 0xf0, 0xf4), QColor(0x98, 0x9c, 0xa8)));
    u.p.drawRect(QRectF(0.28, 0.08, 0.44, 0.32));
    u.p.setBrush(QColor(0x30, 0x34, 0x40));
    u.p.drawRect(QRectF(0.56, 0.13, 0.1, 0.22));
    u.p.setBrush(QColor(0xfc, 0xfc, 0xf8));
    u.p.drawRect(QRectF(0.2, 0.52, 0.62, 0.34));
    u.p.setPen(u.pen(QColor(0xc0, 0x40, 0x40)));
    u.p.drawLine(QPointF(0.26, 0.62), QPointF(0.76, 0.62));
    u.p.setPen(u.pen(QColor(0x90, 0x98, 0xb0)));
    u.p.drawLine(QPointF(0.26, 0.72), QPointF(0.76, 0.72));
    u.p.drawLine(QPointF(0.26, 0.8), QPointF(0.76, 0.8));
}

} // namespace pictures
