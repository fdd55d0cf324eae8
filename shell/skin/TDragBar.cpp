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
    rule_.press(onBar(event));
    event->accept();
}

void TDragBar::mouseMoveEvent(QMouseEvent* event)
{
    QPoint offset = rule_.move(onBar(event));
    if (!offset.isNull())
        window()->move(window()->pos() + offset);
    event->accept();
}

void TDragBar::mouseReleaseEvent(QMouseEvent* event)
{
    // With several buttons held, the first release ends the drag.
    rule_.release();
    event->accept();
}
