#include "TPictures.h"

#include "TPaintKit.h"
#include "TSchemeColours.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

namespace pictures {

namespace {

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

// A monitor on a stand; returns the screen's area for the caller to fill.
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

// Bends down from the top left and points right, into the picture beside it.
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

} // namespace

bool has(TGlyph glyph)
{
    switch (glyph) {
    case TGlyph::ScreenPreview:
    case TGlyph::Options:
    case TGlyph::Restore:
    case TGlyph::ThemePreview:
    case TGlyph::InsertTheme:
    case TGlyph::OpenFolder:
    case TGlyph::Floppy:
    case TGlyph::ModuleWallpaper:
    case TGlyph::ModuleSound:
    case TGlyph::ModuleSaver:
    case TGlyph::ModuleLogo:
    case TGlyph::ModuleTheme:
    case TGlyph::ProductLogo:
    case TGlyph::ProductLogoLit:
        return true;
    default:
        return false;
    }
}

void paint(QPainter& painter, TGlyph glyph, QRectF box)
{
    if (glyph == TGlyph::Restore) {
        {
            Unit screen(painter,
                QRectF(box.left() + box.width() * 0.38, box.top() + box.height() * 0.1, box.width() * 0.62,
                    box.height() * 0.8));
            sunriseScreen(screen, monitor(screen));
        }
        Unit arrow(painter, box);
        restoreArrow(arrow);
        return;
    }
    if (glyph == TGlyph::InsertTheme) {
        {
            Unit theme(painter,
                QRectF(box.left() + box.width() * 0.34, box.top() + box.height() * 0.16, box.width() * 0.66,
                    box.height() * 0.76));
            themePreview(theme);
        }
        Unit arrow(painter, box);
        insertArrow(arrow);
        return;
    }
    Unit u(painter, box);
    switch (glyph) {
    case TGlyph::ScreenPreview:
        screenPreview(u);
        break;
    case TGlyph::Options:
        options(u);
        break;
    case TGlyph::ThemePreview:
        themePreview(u);
        break;
    case TGlyph::OpenFolder:
        openFolder(u);
        break;
    case TGlyph::Floppy:
        floppy(u);
        break;
    case TGlyph::ModuleWallpaper:
        wallpaper(u);
        break;
    case TGlyph::ModuleSound:
        sound(u);
        break;
    case TGlyph::ModuleSaver:
        nightScreen(u, monitor(u), true);
        break;
    case TGlyph::ModuleLogo:
        sunriseScreen(u, monitor(u));
        break;
    case TGlyph::ModuleTheme:
        theme(u);
        break;
    case TGlyph::ProductLogo:
    case TGlyph::ProductLogoLit:
        productLogo(u, glyph == TGlyph::ProductLogoLit);
        break;
    default:
        break;
    }
}

} // namespace pictures
