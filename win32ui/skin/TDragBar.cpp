#include "win32ui/skin/TDragBar.h"

TDragBar::TDragBar(const TWindowGeometry& table)
{
    for (const TControlGeometry& control : table.controls)
        if (control.kind == TControlKind::DragBar)
            bar_ = &control;
}

bool TDragBar::contains(POINT point) const
{
    return bar_ && point.x >= bar_->x && point.y >= bar_->y && point.x < bar_->x + bar_->w
        && point.y < bar_->y + bar_->h;
}

void TDragBar::press(HWND window, POINT point)
{
    if (!contains(point))
        return;
    rule_.press({ point.x, point.y });
    SetCapture(window);
}

bool TDragBar::follow(HWND window) const
{
    if (GetCapture() != window)
        return false;
    POINT pointer {};
    GetCursorPos(&pointer);
    ScreenToClient(window, &pointer);
    TDragPoint offset = rule_.move({ pointer.x, pointer.y });
    if (offset == TDragPoint {})
        return true;
    RECT frame {};
    GetWindowRect(window, &frame);
    SetWindowPos(
        window, nullptr, frame.left + offset.x, frame.top + offset.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void TDragBar::release(HWND window)
{
    if (GetCapture() == window)
        ReleaseCapture();
    rule_.release();
}
