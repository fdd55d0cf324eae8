#include "shell/skin/TDragRule.h"

TDragPoint TDragRule::move(TDragPoint onBar) const
{
    TDragPoint offset;
    if (pressed_.x != 0)
        offset.x = onBar.x - pressed_.x;
    if (pressed_.y != 0)
        offset.y = onBar.y - pressed_.y;
    return offset;
}
