#include "win32ui/skin/TOwnerDraw.h"

#include "win32ui/skin/TSkinBackground.h"
#include "win32ui/skin/TSkinResources.h"

void TOwnerDraw::button(const TSkinControl& button, const DRAWITEMSTRUCT& item)
{
    RECT area = item.rcItem;
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (button.bitmap) {
        int frame = (item.itemState & ODS_DISABLED) ? 1 : (item.itemState & ODS_SELECTED) ? 2 : 0;
        SIZE strip = skinBitmapSize(button.bitmap);
        drawSkinBitmap(item.hDC, button.bitmap, 0, 0, width, height, frame * (strip.cx / 3), 0);
    } else {
        // Never an invisible button, even without its artwork.
        DrawFrameControl(
            item.hDC, &area, DFC_BUTTON, DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT) && width > 8 && height > 8) {
        RECT focus { area.left + 3, area.top + 3, area.right - 3, area.bottom - 3 };
        DrawFocusRect(item.hDC, &focus);
    }
}

void TOwnerDraw::listItem(const TSkinControl& list, const DRAWITEMSTRUCT& item)
{
    RECT area = item.rcItem;
    bool cue = !(item.itemState & ODS_NOFOCUSRECT);
    if (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        if (item.itemID != static_cast<UINT>(-1) && item.itemID < list.items.size()) {
            bool selected = (item.itemState & ODS_SELECTED) != 0;
            FillRect(item.hDC, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            SetBkMode(item.hDC, TRANSPARENT);
            SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            HGDIOBJ old = SelectObject(item.hDC, list.font);
            const std::wstring& text = list.items[item.itemID];
            RECT words { area.left + 2, area.top, area.right, area.bottom };
            DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &words,
                DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | (list.centredItems ? DT_CENTER : DT_LEFT));
            SelectObject(item.hDC, old);
        }
        if (cue && (item.itemState & ODS_FOCUS))
            DrawFocusRect(item.hDC, &area);
    } else if (cue && (item.itemAction & ODA_FOCUS)) {
        // Drawn by inverting: the same call takes it away again when the focus leaves.
        DrawFocusRect(item.hDC, &area);
    }
}

void TOwnerDraw::picture(const TSkinControl& picture, const TSkinBackground& background, HDC dc)
{
    RECT client {};
    GetClientRect(picture.window, &client);
    // What lies behind the picture first: the control is as transparent as its drawing.
    background.paint(dc, 0, 0, client.right, client.bottom, picture.geometry->x, picture.geometry->y);
    if (picture.bitmap) {
        SIZE size = skinBitmapSize(picture.bitmap);
        drawSkinBitmap(dc, picture.bitmap, 0, 0, size.cx, size.cy, 0, 0);
    }
    if (picture.pixels.empty())
        return;
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.pixelWidth;
    info.bmiHeader.biHeight = -picture.pixelHeight; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    const RECT& to = picture.placed;
    StretchDIBits(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, 0, 0, picture.pixelWidth,
        picture.pixelHeight, picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}
