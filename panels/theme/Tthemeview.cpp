#include "panels/theme/Tthemeview.h"

#include "panels/theme/ThemeSettings.h"
#include "panels/theme/TthemeviewGeometry.h"

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

namespace {

QString shown(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Tthemeview::Tthemeview()
    : TSkinnedForm(TthemeviewGeometry)
{
    image("pic")->setAlignment(Qt::AlignCenter);
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
}

void Tthemeview::showTheme(const ThemeSettings& settings, const QImage& picture)
{
    image("name")->setText(shown(settings.name));
    QLabel* pic = image("pic");
    if (picture.isNull()) {
        pic->setPixmap({});
        pic->setText(settings.wallpaper ? "(no preview of this wallpaper)" : "(no wallpaper)");
    } else {
        QSize room = pic->size();
        QImage fitted = picture.width() > room.width() || picture.height() > room.height()
            ? picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : picture;
        pic->setPixmap(QPixmap::fromImage(fitted));
    }
    QString items;
    for (const auto& [item, value] : settings.items())
        items += shown(item) + ": " + shown(value) + "\n";
    if (items.isEmpty())
        items = "Nothing: the theme names no item this program applies.";
    memo("items")->setPlainText(items.trimmed());
    showWindow();
}
