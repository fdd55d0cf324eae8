#include "win32ui/panels/wallpaper/Tmurelloform.h"

#include "panels/wallpaper/TmurelloformGeometry.h"
#include "panels/wallpaper/TmurelloformWiring.h"
#include "win32ui/TWindowSet.h"

using namespace TmurelloformWiring;

Tmurelloform::Tmurelloform(TWindowSet& windows, HWND owner)
    : TCyclePanel(TmurelloformGeometry, windows, owner, verbs)
    , panel_(std::make_unique<WallpaperPanel>(windows.programDirectory(), windowsRegistry()))
{
    showPanel(*panel_, list, edits);
    onClick(tile, [this] { tileClick(); });
    onClick(converter, [this] { BitBtn4Click(); });
    onClick(tileAll, [this] { BitBtn5Click(); });
    onClick(untileAll, [this] { BitBtn6Click(); });
    // The next field's number is larger than the other texts, as in the Qt window.
    HDC screen = GetDC(nullptr);
    int pixels = MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    nextFont_ = CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    SendMessageW(control(list.next), WM_SETFONT, reinterpret_cast<WPARAM>(nextFont_), TRUE);
    showSwitches();
}

Tmurelloform::~Tmurelloform()
{
    SendMessageW(control(list.next), WM_SETFONT, 0, FALSE);
    DeleteObject(nextFont_);
}

void Tmurelloform::tileClick()
{
    panel_->clickTile(isChecked(tile));
}

// The converter opens beside the panel, which stays open.
void Tmurelloform::BitBtn4Click()
{
    windows_.find(converterWindow).showWindow();
}

void Tmurelloform::BitBtn5Click()
{
    panel_->tileAll();
    showSwitches();
}

void Tmurelloform::BitBtn6Click()
{
    panel_->untileAll();
    showSwitches();
}

void Tmurelloform::showSwitches()
{
    setChecked(tile, panel_->tileTicked());
    TCyclePanel::showSwitches();
}

// The picture control covers the whole preview square; the area is drawn inside it.
void Tmurelloform::showEntry()
{
    const WallpaperPreview& shown = panel_->preview();
    const Picture& picture = shown.picture();
    if (picture.isNull()) {
        clearPicture(preview);
    } else {
        const PreviewArea& area = shown.area();
        setPicture(preview, picture.pixels.data(), picture.width, picture.height, area.left - previewSquare.left,
            area.top - previewSquare.top, area.width, area.height);
    }
    setText(pictureWidth, shown.widthText());
    setText(pictureHeight, shown.heightText());
}
