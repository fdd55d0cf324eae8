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
    press_ = point;
    SetCapture(window);
}

// The window moves by the pointer's offset from the press point, each axis on its own; a stored 0
// leaves its axis alone, as in the Qt windows.
bool TDragBar::follow(HWND window) const
{
    if (GetCapture() != window)
        return false;
    POINT pointer {};
    GetCursorPos(&pointer);
    ScreenToClient(window, &pointer);
    int dx = press_.x != 0 ? pointer.x - press_.x : 0;
    int dy = press_.y != 0 ? pointer.y - press_.y : 0;
    if (dx == 0 && dy == 0)
        return true;
    RECT frame {};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, frame.left + dx, frame.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void TDragBar::release(HWND window)
{
    if (GetCapture() == window)
        ReleaseCapture();
    press_ = { 0, 0 };
}
