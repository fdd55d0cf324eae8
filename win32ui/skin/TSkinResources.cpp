#include "win32ui/skin/TSkinResources.h"

int skinResourceId(std::string_view name)
{
    for (std::size_t i = 0; i < skinResourceCount; ++i)
        if (name == skinResourceNames[i].name)
            return skinResourceNames[i].id;
    return 0;
}

HBITMAP loadSkinBitmap(const std::string& name)
{
    int id = skinResourceId(name);
    if (id == 0)
        return nullptr;
    // A DIB section keeps the strip's true colours whatever the screen's depth.
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HICON loadSkinIcon(const char* name, int size)
{
    int id = skinResourceId(std::string("icon/") + name);
    if (id == 0)
        return nullptr;
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_SHARED));
}

std::string loadSkinText(const std::string& name)
{
    int id = skinResourceId(name);
    if (id == 0)
        return {};
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

SIZE skinBitmapSize(HBITMAP bitmap)
{
    BITMAP info {};
    if (bitmap)
        GetObjectW(bitmap, sizeof info, &info);
    return { info.bmWidth, info.bmHeight };
}

void drawSkinBitmap(HDC dc, HBITMAP bitmap, int x, int y, int w, int h, int fromX, int fromY)
{
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, w, h, memory, fromX, fromY, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}
