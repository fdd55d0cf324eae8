#include "shell/skin/TDragRule.h"

void TDragRule::press(QPoint onBar)
{
    x_ = onBar.x();
    y_ = onBar.y();
}

QPoint TDragRule::move(QPoint onBar) const
{
    QPoint offset;
    if (x_ != 0)
        offset.setX(onBar.x() - x_);
    if (y_ != 0)
        offset.setY(onBar.y() - y_);
    return offset;
}

void TDragRule::release()
{
    x_ = 0;
    y_ = 0;
}
