#include "TScreenPictures.h"

#include <QRadialGradient>
#include <tuple>

namespace pictures {

namespace {

void stars(Unit& u, QRectF area, int count, unsigned seed)
{
    unsigned s = seed;
    for (int i = 0; i < count; ++i) {
        s = s * 1103515245u + 12345u;
        double x = area.left() + ((s >> 8) % 1000) / 1000.0 * area.width();
        s = s * 1103515245u + 12345u;
        double y = area.top() + ((s >> 8) % 1000) / 1000.0 * area.height();
        double r = (i % 3 == 0 ? 1.6 : 1.0) * u.px();
        u.p.setPen(Qt::NoPen);
        u.p.setBrush(QColor(255, 255, 235, i % 3 == 0 ? 255 : 190));
        u.p.drawEllipse(QPointF(x, y), r, r);
    }
}

} // namespace

QRectF monitor(Unit& u)
{
    QRectF casing(0.05, 0.08, 0.9, 0.66);
    u.p.setPen(u.pen(QColor(0x40, 0x40, 0x46)));
    u.p.setBrush(vertical(0.08, 0.74, QColor(0xf0, 0xee, 0xe6), QColor(0xa8, 0xa6, 0xa0)));
    u.p.drawRoundedRect(casing, 0.07, 0.07);
    u.p.setBrush(vertical(0.74, 0.84, QColor(0xb8, 0xb6, 0xb0), QColor(0x80, 0x7e, 0x78)));
    u.p.drawRect(QRectF(0.41, 0.74, 0.18, 0.08));
    u.p.drawRoundedRect(QRectF(0.24, 0.82, 0.52, 0.09), 0.03, 0.03);
    QRectF screen(0.13, 0.15, 0.74, 0.51);
    u.p.setBrush(QColor(0x20, 0x20, 0x28));
    u.p.drawRect(screen);
    return screen.adjusted(u.px(), u.px(), -u.px(), -u.px());
}

void nightScreen(Unit& u, QRectF s, bool moon)
{
    u.p.setPen(Qt::NoPen);
    u.p.setBrush(vertical(s.top(), s.bottom(), QColor(0x08, 0x10, 0x38), QColor(0x28, 0x30, 0x78)));
    u.p.drawRect(s);
    stars(u, s, u.small() ? 5 : 14, 7);
    if (moon) {
        QPainterPath disc;
        QPointF c(s.left() + s.width() * 0.7, s.top() + s.height() * 0.38);
        double r = s.height() * 0.26;
        disc.addEllipse(c, r, r);
        QPainterPath bite;
        bite.addEllipse(c + QPointF(r * 0.55, -r * 0.3), r, r);
        u.p.setBrush(QColor(0xff, 0xe8, 0x8a));
        u.p.drawPath(minus(disc, bite));
    }
}

void screenPreview(Unit& u)
{
    QRectF s = monitor(u);
    nightScreen(u, s, false);
    u.p.setClipRect(s);
    u.p.setPen(u.pen(QColor(0x40, 0xe0, 0xff), u.small() ? 1.0 : 2.0));
    u.p.setBrush(Qt::NoBrush);
    u.p.drawEllipse(QPointF(s.center().x(), s.center().y()), s.width() * 0.3, s.height() * 0.25);
    u.p.setPen(u.pen(QColor(0xff, 0x60, 0xd0), u.small() ? 1.0 : 2.0));
    u.p.drawEllipse(QPointF(s.center().x(), s.center().y()), s.width() * 0.15, s.height() * 0.38);
    u.p.setClipping(false);
}

void sunriseScreen(Unit& u, QRectF s)
{
    u.p.setPen(Qt::NoPen);
    QLinearGradient sky(0, s.top(), 0, s.bottom());
    sky.setColorAt(0, QColor(0x2a, 0x5c, 0xb8));
    sky.setColorAt(0.6, QColor(0x9c, 0xc8, 0xf0));
    sky.setColorAt(1, QColor(0xff, 0xc8, 0x70));
    u.p.setBrush(sky);
    u.p.drawRect(s);
    u.p.setClipRect(s);
    double r = s.height() * 0.32;
    QRadialGradient sun(QPointF(s.center().x(), s.bottom()), r);
    sun.setColorAt(0, QColor(0xff, 0xf4, 0xb0));
    sun.setColorAt(1, QColor(0xff, 0x9a, 0x20));
    u.p.setBrush(sun);
    u.p.drawEllipse(QPointF(s.center().x(), s.bottom()), r, r);
    u.p.setBrush(QColor(255, 255, 255, 230));
    for (auto [x, y, w] : { std::tuple { 0.22, 0.35, 0.22 }, std::tuple { 0.62, 0.25, 0.28 } }) {
        QPointF c(s.left() + s.width() * x, s.top() + s.height() * y);
        u.p.drawEllipse(c, s.width() * w / 2, s.height() * 0.09);
        u.p.drawEllipse(c + QPointF(s.width() * 0.05, -s.height() * 0.07), s.width() * w / 3.5, s.height() * 0.09);
    }
    u.p.setClipping(false);
}

} // namespace pictures
