#include "desktop/X11RootBackground.h"

#include "cycle/Exception.h"
#include "desktop/WindowsWallpaper.h"
#include "desktop/X11Screen.h"
#include "panels/wallpaper/PictureImage.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>
#include <xcb/xcb.h>

namespace {

xcb_screen_t* screenOf(xcb_connection_t* connection, int number)
{
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screens.rem; --number, xcb_screen_next(&screens))
        if (number == 0)
            return screens.data;
    return nullptr;
}

// Our pixels are 32-bit words 0x00RRGGBB in the machine's order; the server must take them as they are.
bool takesOurPixels(xcb_connection_t* connection, const xcb_screen_t& screen)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    bool littleEndian = std::endian::native == std::endian::little;
    if ((setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != littleEndian)
        return false;
    if (screen.root_depth != 24 && screen.root_depth != 32)
        return false;
    bool thirtyTwoBits = false;
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem; xcb_format_next(&formats))
        if (formats.data->depth == screen.root_depth)
            thirtyTwoBits = formats.data->bits_per_pixel == 32;
    for (auto depths = xcb_screen_allowed_depths_iterator(&screen); depths.rem; xcb_depth_next(&depths))
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem; xcb_visualtype_next(&visuals))
            if (visuals.data->visual_id == screen.root_visual)
                return thirtyTwoBits && visuals.data->red_mask == 0xff0000 && visuals.data->green_mask == 0xff00
                    && visuals.data->blue_mask == 0xff;
    return false;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

std::optional<xcb_pixmap_t> pixmapProperty(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t property)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, property, XCB_ATOM_PIXMAP, 0, 1), nullptr);
    std::optional<xcb_pixmap_t> pixmap;
    if (reply && reply->type == XCB_ATOM_PIXMAP && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
        pixmap = *static_cast<xcb_pixmap_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return pixmap;
}

void upload(xcb_connection_t* connection, xcb_pixmap_t pixmap, xcb_gcontext_t gc, const QImage& image, uint8_t depth)
{
    // A request may carry only so many bytes: the picture goes up in bands of whole rows.
    std::size_t rowBytes = static_cast<std::size_t>(image.width()) * 4;
    std::size_t limit = static_cast<std::size_t>(xcb_get_maximum_request_length(connection)) * 4 - 64;
    int band = static_cast<int>(std::max<std::size_t>(1, limit / rowBytes));
    for (int top = 0; top < image.height(); top += band) {
        int rows = std::min(band, image.height() - top);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, static_cast<uint16_t>(image.width()),
            static_cast<uint16_t>(rows), 0, static_cast<int16_t>(top), 0, depth,
            static_cast<uint32_t>(rowBytes * static_cast<std::size_t>(rows)), image.constScanLine(top));
    }
}

} // namespace

X11RootBackground::X11RootBackground(std::string display)
    : m_display(std::move(display))
{
}

QImage X11RootBackground::compose(const QImage& picture, int width, int height, bool tiled, QRgb colour)
{
    QImage screen(width, height, QImage::Format_RGB32);
    screen.fill(QColor(colour));
    QPainter painter(&screen);
    if (!tiled) {
        painter.drawImage((width - picture.width()) / 2, (height - picture.height()) / 2, picture);
        return screen;
    }
    for (int y = 0; y < height; y += picture.height())
        for (int x = 0; x < width; x += picture.width())
            painter.drawImage(x, y, picture);
    return screen;
}

std::pair<std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)>, xcb_screen_t*>
X11RootBackground::connect() const
{
    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> connection(
        xcb_connect(m_display.c_str(), &screenNumber), xcb_disconnect);
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c))
        throw Exception(formatMessage("Cannot reach the X display %s", m_display));
    xcb_screen_t* screen = screenOf(c, screenNumber);
    if (!screen || !takesOurPixels(c, *screen))
        throw Exception(formatMessage("The X display %s has a colour depth this program does not draw", m_display));
    if (X11Screen::desktopWindowCovers(c, *screen))
        throw Exception("the desktop draws its own background; Zentrel cannot show the wallpaper here");
    return { std::move(connection), screen };
}

void X11RootBackground::checkShowable() const
{
    connect();
}

void X11RootBackground::show(const WindowsWallpaper& wallpaper)
{
    QImage picture = loadPictureImage(wallpaper.path);
    auto [connection, screen] = connect();
    xcb_connection_t* c = connection.get();

    QImage face = compose(picture, screen->width_in_pixels, screen->height_in_pixels, wallpaper.tiled,
        qRgb(wallpaper.red(), wallpaper.green(), wallpaper.blue()));
    xcb_pixmap_t pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, screen->root_depth, pixmap, screen->root, screen->width_in_pixels, screen->height_in_pixels);
    xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    upload(c, pixmap, gc, face, screen->root_depth);
    xcb_free_gc(c, gc);

    xcb_atom_t rootPixmap = atom(c, "_XROOTPMAP_ID"), setRootPixmap = atom(c, "ESETROOT_PMAP_ID");
    // An earlier setter's pixmap was kept alive for its property; it goes when the property changes.
    std::optional<xcb_pixmap_t> old = pixmapProperty(c, screen->root, setRootPixmap);
    if (old && old == pixmapProperty(c, screen->root, rootPixmap))
        xcb_kill_client(c, *old);

    xcb_change_window_attributes(c, screen->root, XCB_CW_BACK_PIXMAP, &pixmap);
    xcb_clear_area(c, 0, screen->root, 0, 0, 0, 0);
    for (xcb_atom_t property : { rootPixmap, setRootPixmap })
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, screen->root, property, XCB_ATOM_PIXMAP, 32, 1, &pixmap);
    // The pixmap must outlive this connection.
    xcb_set_close_down_mode(c, XCB_CLOSE_DOWN_RETAIN_PERMANENT);
    // A round trip makes sure the server has taken every request before the connection closes.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    if (xcb_connection_has_error(c))
        throw Exception(formatMessage("Cannot reach the X display %s", m_display));
}
