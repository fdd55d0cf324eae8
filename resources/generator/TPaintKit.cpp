#include "TPaintKit.h"

#include "TSchemeColours.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace paintkit {

void loadFonts()
{
    for (const char* face :
        { "DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansCondensed.ttf", "DejaVuSansCondensed-Bold.ttf" })
        QFontDatabase::addApplicationFont(QString("/usr/share/fonts/truetype/dejavu/") + face);
}

QFont font(int pixelSize, bool bold)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont labelFont(int pixelSize, bool bold)
{
    QFont f = font(pixelSize, bold);
    f.setFamily("DejaVu Sans Condensed");
    return f;
}

QImage canvas(QSize size, int scale, QImage::Format format)
{
    QImage image(size * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

void texture(QImage& image, QRect area, QColor base, unsigned seed)
{
    unsigned state = seed * 2654435761u + 1;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) & 0x7fff);
    };
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        // A soft light from above, a grain of small specks and faint horizontal brushing.
        double light = 0.06 * (1.0 - double(y - area.top()) / std::max(1, area.height()));
        int brush = (next() % 5) - 2;
        for (int x = area.left(); x <= area.right(); ++x) {
            int grain = (next() % 9) - 4 + brush;
            QColor c = lighter(base, int(light * 100));
            image.setPixel(x, y,
                qRgb(std::clamp(c.red() + grain, 0, 255), std::clamp(c.green() + grain, 0, 255),
                    std::clamp(c.blue() + grain, 0, 255)));
        }
    }
}

void raised(QPainter& painter, QRect area, QColor base)
{
    QRect r = area.adjusted(0, 0, -1, -1);
    painter.setPen(lighter(base, 70));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(darker(base, 65));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    r.adjust(1, 1, -1, -1);
    painter.setPen(lighter(base, 35));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(darker(base, 30));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void sunken(QPainter& painter, QRect area, QColor base)
{
    QRect r = area.adjusted(0, 0, -1, -1);
    painter.setPen(darker(base, 35));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(lighter(base, 55));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    r.adjust(1, 1, -1, -1);
    painter.setPen(darker(base, 60));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(lighter(base, 20));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void roundedWell(QPainter& painter, QRectF area, double radius, QColor inside)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(area, radius, radius);
    QLinearGradient shade(area.topLeft(), area.bottomRight());
    shade.setColorAt(0, darker(inside, 55));
    shade.setColorAt(0.5, darker(inside, 20));
    shade.setColorAt(1, lighter(inside, 55));
    painter.fillPath(path, shade);
    QPainterPath inner;
    inner.addRoundedRect(area.adjusted(2, 2, -2, -2), radius - 2, radius - 2);
    QLinearGradient floor(area.topLeft(), area.bottomLeft());
    floor.setColorAt(0, darker(inside, 12));
    floor.setColorAt(1, inside);
    painter.fillPath(inner, floor);
    painter.restore();
}

} // namespace paintkit
