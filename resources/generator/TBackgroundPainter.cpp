#include "TBackgroundPainter.h"

#include "TPaintKit.h"
#include "TPictures.h"
#include "TSchemeColours.h"
#include "TSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <vector>

namespace {

int titleHeight(const TWindowGeometry& window)
{
    for (const TControlGeometry& control : window.controls)
        if (control.kind == TControlKind::DragBar)
            return control.h;
    return 18;
}

bool isModuleButton(const TControlGeometry& control)
{
    return control.kind == TControlKind::BitmapButton && control.w >= 60 && control.h >= 60;
}

// Buttons that touch or nearly touch share one well.
std::vector<QRect> buttonWells(const TWindowGeometry& window, int title)
{
    std::vector<QRect> wells;
    for (const TControlGeometry& control : window.controls)
        if (control.kind == TControlKind::BitmapButton && control.y >= title && !isModuleButton(control))
            wells.push_back(QRect(control.x, control.y, control.w, control.h).adjusted(-3, -3, 3, 3));
    for (bool merged = true; merged;) {
        merged = false;
        for (size_t i = 0; i < wells.size() && !merged; ++i)
            for (size_t j = i + 1; j < wells.size() && !merged; ++j)
                if (wells[i].intersects(wells[j])) {
                    wells[i] = wells[i].united(wells[j]);
                    wells.erase(wells.begin() + long(j));
                    merged = true;
                }
    }
    return wells;
}

void titleStrip(QPainter& p, const TWindowGeometry& window, const TSchemeColours& c)
{
    int h = titleHeight(window);
    QRect strip(2, 2, window.width - 4, h - 2);
    QLinearGradient shade(strip.topLeft(), strip.bottomLeft());
    shade.setColorAt(0, lighter(c.title, 18));
    shade.setColorAt(0.45, c.title);
    shade.setColorAt(1, c.titleLow);
    p.fillRect(strip, shade);
    p.setPen(lighter(c.title, 40));
    p.drawLine(strip.topLeft(), strip.topRight());
    p.setPen(darker(c.title, 60));
    p.drawLine(strip.bottomLeft(), strip.bottomRight());

    int icon = h - 6;
    pictures::paint(p, titleEmblem(window.scheme), QRectF(6, 2 + (h - 2 - icon) / 2.0, icon, icon));
    p.setFont(paintkit::font(h >= 19 ? 12 : 11, true));
    QRect words = strip.adjusted(icon + 10, 0, 0, 0);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(words.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(window.title));
    p.setPen(c.titleText);
    p.drawText(words, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(window.title));
}

// How one piece of painted words is set: its face, colour, alignment and box.
struct Words {
    QFont font;
    QColor pen;
    int flags;
    QRect area;
    QString text;
};

Words layout(const TControlGeometry& control, const TSchemeColours& c)
{
    // Short rows get the smaller size.
    int size = control.h <= 12 ? 10 : 11;
    Words w { paintkit::labelFont(size), c.text, Qt::AlignVCenter | Qt::TextShowMnemonic,
        QRect(control.x, control.y, control.w, control.h), QString::fromUtf8(paintedWords(control)) };
    if (control.kind == TControlKind::CheckBox) {
        // Beside the box, whose own caption cannot show.
        w.area = QRect(control.x + control.w + 5, control.y - 2, 220, control.h + 4);
        w.flags |= Qt::AlignLeft;
        return w;
    }
    switch (control.style) {
    case TTextStyle::Label:
        w.flags |= Qt::AlignLeft;
        break;
    case TTextStyle::Bold:
        w.font = paintkit::labelFont(size, true);
        w.flags |= Qt::AlignLeft;
        break;
    case TTextStyle::Note:
        w.font = paintkit::labelFont(size - 1);
        w.pen = c.note;
        w.flags |= Qt::AlignLeft;
        break;
    case TTextStyle::Right:
        w.flags |= Qt::AlignRight;
        break;
    case TTextStyle::Centered:
        w.flags |= Qt::AlignHCenter;
        break;
    case TTextStyle::Question:
        w.font = paintkit::labelFont(12, true);
        w.flags |= Qt::AlignHCenter | Qt::TextWordWrap;
        break;
    }
    return w;
}

void words(QPainter& p, const TControlGeometry& control, const TSchemeColours& c)
{
    Words w = layout(control, c);
    p.setFont(w.font);
    p.setPen(w.pen);
    p.drawText(w.area, w.flags, w.text);
}

// What painted words must not run into.
bool isObstacle(const TControlGeometry& control)
{
    switch (control.kind) {
    case TControlKind::BitmapButton:
    case TControlKind::ListBox:
    case TControlKind::Edit:
    case TControlKind::Emblem:
    case TControlKind::Well:
    case TControlKind::WhiteArea:
        return true;
    default:
        return false;
    }
}

void emblem(QPainter& p, const TControlGeometry& control, const TSchemeColours& c)
{
    QRectF area(control.x, control.y, control.w, control.h);
    if (!pictures::has(control.glyph)) {
        QColor ink = control.glyph == TGlyph::BigQuestionMark ? QColor(0x9a, 0x9a, 0xa0) : c.accent;
        symbols::paint(p, control.glyph, area, ink);
        return;
    }
    if (!*control.caption) {
        double side = std::min(area.width(), area.height());
        pictures::paint(
            p, control.glyph, QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side));
        return;
    }
    // The module's name written upwards beside its picture, over a faint plate.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath plate;
    plate.addRoundedRect(area, 6, 6);
    p.fillPath(plate, QColor(255, 255, 255, 40));
    p.setPen(QPen(darker(c.face, 25), 1));
    p.drawPath(plate);
    QString upright = QString::fromUtf8(control.caption).toUpper();
    QFont name = paintkit::font(20, true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    while (name.pixelSize() > 9 && QFontMetrics(name).horizontalAdvance(upright) > area.height() - 10)
        name.setPixelSize(name.pixelSize() - 1);
    p.setFont(name);
    int band = QFontMetrics(name).height();
    p.translate(area.left() + 2, area.bottom() - 4);
    p.rotate(-90);
    QRectF line(0, 0, area.height() - 8, band);
    p.setPen(lighter(c.face, 60));
    p.drawText(line.translated(1, 1), Qt::AlignCenter, upright);
    p.setPen(c.title);
    p.drawText(line, Qt::AlignCenter, upright);
    p.restore();
    double left = area.left() + band + 4;
    double side = std::min(area.right() - left - 3, area.height() - 8);
    pictures::paint(p, control.glyph, QRectF(left, area.center().y() - side / 2, side, side));
}

} // namespace

TGlyph titleEmblem(TScheme scheme)
{
    switch (scheme) {
    case TScheme::Wallpaper:
        return TGlyph::ModuleWallpaper;
    case TScheme::Sound:
        return TGlyph::ModuleSound;
    case TScheme::Saver:
        return TGlyph::ModuleSaver;
    case TScheme::Logo:
        return TGlyph::ModuleLogo;
    case TScheme::Theme:
        return TGlyph::ModuleTheme;
    default:
        return TGlyph::ProductLogo;
    }
}

QImage paintBackground(const TWindowGeometry& window, int scale)
{
    TSchemeColours c = TSchemeColours::of(window.scheme);
    QImage image = paintkit::canvas(QSize(window.width, window.height), scale, QImage::Format_RGB32);
    paintkit::texture(image, image.rect(), c.face, unsigned(window.width * 31 + window.height));
    QPainter p(&image);
    paintkit::raised(p, QRect(0, 0, window.width, window.height), c.face);
    titleStrip(p, window, c);

    int title = titleHeight(window);
    for (QRect well : buttonWells(window, title)) {
        p.fillRect(well, c.well);
        paintkit::sunken(p, well, c.face);
    }
    for (const TControlGeometry& control : window.controls) {
        QRect area(control.x, control.y, control.w, control.h);
        switch (control.kind) {
        case TControlKind::BitmapButton:
            if (isModuleButton(control))
                paintkit::roundedWell(p, QRectF(area).adjusted(-5, -5, 5, 5), 10, c.well);
            break;
        case TControlKind::Well:
            if (area.width() > 100 && area.height() > 100)
                paintkit::roundedWell(p, area, 10, c.well);
            else {
                p.fillRect(area.adjusted(-2, -2, 2, 2), c.well);
                paintkit::sunken(p, area.adjusted(-2, -2, 2, 2), c.face);
            }
            break;
        case TControlKind::WhiteArea:
        case TControlKind::Edit:
            p.fillRect(area.adjusted(-2, -2, 2, 2), Qt::white);
            paintkit::sunken(p, area.adjusted(-2, -2, 2, 2), c.face);
            break;
        default:
            break;
        }
    }
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const TControlGeometry& control : window.controls) {
        if (control.kind == TControlKind::Text || control.kind == TControlKind::CheckBox)
            words(p, control, c);
        else if (control.kind == TControlKind::Emblem)
            emblem(p, control, c);
    }
    return image;
}

std::vector<std::string> clippedWords(const TWindowGeometry& window)
{
    TSchemeColours c = TSchemeColours::of(window.scheme);
    QRect client(2, 2, window.width - 4, window.height - 4);
    std::vector<std::string> clipped;
    for (const TControlGeometry& control : window.controls) {
        if (control.kind != TControlKind::Text && control.kind != TControlKind::CheckBox)
            continue;
        Words w = layout(control, c);
        QRect needed = QFontMetrics(w.font).boundingRect(w.area, w.flags, w.text);
        bool fits = w.area.contains(needed) && client.contains(needed);
        for (const TControlGeometry& other : window.controls) {
            QRect obstacle(other.x, other.y, other.w, other.h);
            // Words may lie inside a well or area, not across its edge.
            if (&other != &control && isObstacle(other) && needed.intersects(obstacle) && !obstacle.contains(needed))
                fits = false;
        }
        if (!fits)
            clipped.push_back(paintedWords(control));
    }
    return clipped;
}

QImage paintLogoPicture(const TWindowGeometry& window, const TControlGeometry& control, int scale)
{
    TSchemeColours c = TSchemeColours::of(window.scheme);
    bool lit = control.glyph == TGlyph::ProductLogoLit;
    const int side = 126;
    QImage image = paintkit::canvas(QSize(side, side), scale, QImage::Format_RGB32);
    QColor floor = lit ? lighter(c.well, 45) : c.well;
    image.fill(floor);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (!lit) {
        pictures::paint(p, TGlyph::ProductLogo, QRectF(9, 9, side - 18, side - 18));
        return image;
    }
    QRadialGradient glow(QPointF(side / 2.0, 44), 60);
    glow.setColorAt(0, QColor(255, 255, 255, 160));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, side, side), glow);
    pictures::paint(p, TGlyph::ProductLogoLit, QRectF(side / 2.0 - 38, 6, 76, 76));
    p.setFont(paintkit::font(14, true));
    p.setPen(c.title);
    p.drawText(QRect(0, 84, side, 18), Qt::AlignCenter, "Zentrel v2.0");
    p.setFont(paintkit::font(10));
    p.setPen(darker(c.face, 55));
    p.drawText(QRect(0, 103, side, 14), Qt::AlignCenter, "Click for About");
    return image;
}
