#include "shell/skin/TDragBar.h"

#include <QMouseEvent>

TDragBar::TDragBar(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

// Taken from the global position and the window's current place: the local position in the
// event may still refer to where the window stood before the last move.
QPoint TDragBar::onBar(const QMouseEvent* event) const
{
    return mapFromGlobal(event->globalPosition().toPoint());
}

void TDragBar::mousePressEvent(QMouseEvent* event)
{
    QPoint at = onBar(event);
    rule_.press({ at.x(), at.y() });
    event->accept();
}

void TDragBar::mouseMoveEvent(QMouseEvent* event)
{
    QPoint at = onBar(event);
    TDragPoint offset = rule_.move({ at.x(), at.y() });
    if (offset != TDragPoint {})
        window()->move(window()->pos() + QPoint(offset.x, offset.y));
    event->accept();
}

void TDragBar::mouseReleaseEvent(QMouseEvent* event)
{
    // With several buttons held, the first release ends the drag.
    rule_.release();
    event->accept();
}
