#include "shell/skin/TBitmapButton.h"

#include <QKeyEvent>
#include <QPainter>

TBitmapButton::TBitmapButton(QWidget* parent, const QPixmap& strip)
    : QAbstractButton(parent)
    , strip_(strip)
{
}

QSize TBitmapButton::sizeHint() const
{
    return size();
}

int TBitmapButton::frameIndex() const
{
    if (!isEnabled())
        return 1;
    return isDown() ? 2 : 0;
}

void TBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (strip_.isNull()) {
        // Never leave a button invisible, even without its artwork.
        painter.fillRect(rect(), palette().button());
        painter.setPen(isDown() ? palette().dark().color() : palette().light().color());
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        // Measured in the strip's own pixels, which a double-density strip has twice as many of.
        int frameWidth = strip_.width() / 3;
        painter.drawPixmap(QPointF(0, 0), strip_, QRectF(frameIndex() * frameWidth, 0, frameWidth, strip_.height()));
    }
    if (hasFocus() && focusPolicy() != Qt::NoFocus) {
        QPen pen(QColor(0, 0, 0, 160), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

// A focused Windows push button answers Enter as well as Space; Qt's plain buttons only take Space.
void TBitmapButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
