#include "panels/theme/Tthemeview.h"

#include "panels/theme/ThemePreview.h"
#include "panels/theme/TthemeviewGeometry.h"
#include "panels/theme/TthemeviewWiring.h"

#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPixmap>
#include <QStandardItemModel>

namespace {

QString shown(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

QPixmap swatch(const ThemePreview::Colour& colour)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(QColor(colour.red, colour.green, colour.blue));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 11, 11);
    return pixmap;
}

} // namespace

Tthemeview::Tthemeview()
    : TSkinnedForm(TthemeviewGeometry)
    , items_(new QStandardItemModel(this))
{
    image(TthemeviewWiring::picture)->setAlignment(Qt::AlignCenter);
    QListView* list = listBox(TthemeviewWiring::items);
    list->setModel(items_);
    // Rows differ in width; each is laid out whole, so the longest scrolls into view.
    list->setUniformItemSizes(false);
    list->setTextElideMode(Qt::ElideNone);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    onClick(TthemeviewWiring::closeButtons[0], [this] { BitBtn1Click(); });
    onClick(TthemeviewWiring::closeButtons[1], [this] { BitBtn2Click(); });
}

void Tthemeview::showTheme(const ThemePreview& theme, const QImage& picture)
{
    image(TthemeviewWiring::name)->setText(shown(theme.title()));
    QLabel* pic = image(TthemeviewWiring::picture);
    if (picture.isNull()) {
        pic->setPixmap({});
        pic->setText(shown(theme.noPictureText()));
    } else {
        QSize room = pic->size();
        QImage fitted = picture.width() > room.width() || picture.height() > room.height()
            ? picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : picture;
        pic->setPixmap(QPixmap::fromImage(fitted));
    }
    items_->clear();
    for (const ThemePreview::Row& row : theme.rows()) {
        auto* item = new QStandardItem(shown(row.text));
        item->setEditable(false);
        item->setToolTip(item->text());
        if (row.swatch)
            item->setData(swatch(*row.swatch), Qt::DecorationRole);
        items_->appendRow(item);
    }
    listBox(TthemeviewWiring::items)->scrollToTop();
    showWindow();
}
