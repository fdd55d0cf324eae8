#include "TSchemeColours.h"

QColor mix(QColor a, QColor b, double share)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share, a.greenF() + (b.greenF() - a.greenF()) * share,
        a.blueF() + (b.blueF() - a.blueF()) * share);
}

QColor lighter(QColor colour, int percent)
{
    return mix(colour, Qt::white, percent / 100.0);
}
QColor darker(QColor colour, int percent)
{
    return mix(colour, Qt::black, percent / 100.0);
}

namespace {

TSchemeColours make(QColor face, QColor title, QColor accent)
{
    TSchemeColours c;
    c.face = face;
    c.title = title;
    c.titleLow = darker(title, 35);
    c.titleText = QColor(0xf4, 0xf1, 0xe6);
    c.well = darker(face, 16);
    c.button = lighter(face, 18);
    c.accent = accent;
    c.text = QColor(0x14, 0x14, 0x18);
    c.note = darker(face, 62);
    return c;
}

} // namespace

TSchemeColours TSchemeColours::of(TScheme scheme)
{
    switch (scheme) {
    case TScheme::ControlCenter:
        return make(QColor(0x8e, 0x98, 0xaa), QColor(0x2a, 0x37, 0x58), QColor(0xe8, 0xa8, 0x20));
    case TScheme::Wallpaper:
        return make(QColor(0xa3, 0xae, 0xc0), QColor(0x2c, 0x45, 0x72), QColor(0x1f, 0x55, 0xa8));
    case TScheme::Sound:
        return make(QColor(0xa6, 0xb4, 0xa2), QColor(0x2e, 0x52, 0x38), QColor(0x1d, 0x76, 0x3a));
    case TScheme::Saver:
        return make(QColor(0x9c, 0xb5, 0xb3), QColor(0x1c, 0x52, 0x55), QColor(0x0b, 0x74, 0x78));
    case TScheme::Logo:
        return make(QColor(0xc3, 0xb7, 0x8e), QColor(0x5e, 0x50, 0x26), QColor(0xe2, 0x6c, 0x0a));
    case TScheme::Theme:
        return make(QColor(0xb8, 0xa2, 0xba), QColor(0x53, 0x2f, 0x58), QColor(0xe2, 0x6c, 0x0a));
    case TScheme::Grey:
        break;
    }
    return make(QColor(0xb6, 0xb6, 0xb9), QColor(0x3a, 0x3d, 0x4a), QColor(0x2a, 0x52, 0x96));
}
