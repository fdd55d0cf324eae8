#pragma once

#include "desktop/DesktopBackground.h"

#include <QImage>
#include <memory>
#include <string>
#include <utility>

struct xcb_connection_t;
struct xcb_screen_t;

// Any other X11 session: the root window's background becomes a pixmap with the picture, tiled
// from the top left or centred on the desktop's colour, and the pixmap is published in _XROOTPMAP_ID and
// ESETROOT_PMAP_ID, where terminals and compositors look for the desktop's picture. The pixmap
// outlives this program; the one it replaces, if an earlier setter left it, is freed.
class X11RootBackground : public DesktopBackground {
public:
    // `display` as in DISPLAY.
    explicit X11RootBackground(std::string display);

    std::string name() const override { return "the X11 root window"; }
    // Throws when the display can't be reached, or a desktop program's window covers the root.
    void checkShowable() const override;
    // Loads the bitmap as the wallpaper panel does, with its messages.
    void show(const WindowsWallpaper& wallpaper) override;

    // The screen-sized picture the root window gets.
    static QImage compose(const QImage& picture, int width, int height, bool tiled, QRgb colour);

private:
    std::pair<std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)>, xcb_screen_t*> connect() const;

    std::string m_display;
};
