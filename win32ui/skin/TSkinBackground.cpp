#include "win32ui/skin/TSkinBackground.h"

#include "win32ui/skin/TSkinResources.h"

TSkinBackground::TSkinBackground(const TWindowGeometry& table)
{
    for (const TControlGeometry& control : table.controls)
        if (control.kind == TControlKind::Background && !bitmap_)
            bitmap_ = loadSkinBitmap(backgroundResource(table));
    if (bitmap_)
        brush_ = CreatePatternBrush(bitmap_);
}

TSkinBackground::~TSkinBackground()
{
    if (brush_)
        DeleteObject(brush_);
    if (bitmap_)
        DeleteObject(bitmap_);
}

void TSkinBackground::paint(HDC dc, int x, int y, int w, int h, int atX, int atY) const
{
    if (bitmap_)
        drawSkinBitmap(dc, bitmap_, x, y, w, h, atX, atY);
    else {
        RECT area { x, y, x + w, y + h };
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    }
}

HBRUSH TSkinBackground::colourFor(HDC dc, const TSkinControl& control) const
{
    TControlKind kind = control.geometry->kind;
    if (kind == TControlKind::Edit || kind == TControlKind::Memo) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    if (brush_) {
        SetBkMode(dc, TRANSPARENT);
        SetBrushOrgEx(dc, -control.geometry->x, -control.geometry->y, nullptr);
        return brush_;
    }
    return nullptr;
}
