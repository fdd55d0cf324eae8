// The bare X11 path, on an Xvfb screen of its own: the root window gets the picture and publishes
// its pixmap.
#include "desktop/X11RootBackground.h"

#include "VirtualScreen.h"
#include "cycle/TemporaryFolder.h"
#include "desktop/WindowsWallpaper.h"

#include <QImage>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <xcb/xcb.h>

namespace {

class X11RootBackgroundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_display = xvfb.display();
        connection = xcb_connect(m_display.c_str(), nullptr);
        ASSERT_FALSE(xcb_connection_has_error(connection));
        screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        // A picture whose every pixel differs from its neighbours, so a shift shows.
        picture = QImage(5, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                picture.setPixel(x, y, qRgb(40 * x + 10, 70 * y + 20, 200));
        picture.save(QString::fromStdString(folder.file("p.bmp")), "BMP");
    }
    void TearDown() override
    {
        if (connection)
            xcb_disconnect(connection);
    }

    xcb_atom_t atom(const char* name)
    {
        auto* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
        xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return result;
    }
    xcb_pixmap_t published(const char* property)
    {
        auto* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, screen->root, atom(property), XCB_ATOM_PIXMAP, 0, 1), nullptr);
        xcb_pixmap_t pixmap = 0;
        if (reply && xcb_get_property_value_length(reply) == 4)
            pixmap = *static_cast<xcb_pixmap_t*>(xcb_get_property_value(reply));
        free(reply);
        return pixmap;
    }
    // The root window's pixels as the screen shows them.
    QImage rootPixels()
    {
        auto* reply = xcb_get_image_reply(connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0, screen->width_in_pixels,
                screen->height_in_pixels, ~0u),
            nullptr);
        EXPECT_NE(reply, nullptr);
        QImage image(
            xcb_get_image_data(reply), screen->width_in_pixels, screen->height_in_pixels, QImage::Format_RGB32);
        QImage copy = image.copy();
        free(reply);
        return copy;
    }

    VirtualScreen xvfb { "61x37x24" };
    std::string m_display;
    TemporaryFolder folder;
    xcb_connection_t* connection = nullptr;
    xcb_screen_t* screen = nullptr;
    QImage picture;
};

} // namespace

TEST_F(X11RootBackgroundTest, TiledTheRootShowsThePictureRepeatedFromTheTopLeft)
{
    X11RootBackground(m_display).show({ folder.file("p.bmp"), true });
    EXPECT_NE(published("_XROOTPMAP_ID"), 0u);
    EXPECT_EQ(published("_XROOTPMAP_ID"), published("ESETROOT_PMAP_ID"));
    QImage root = rootPixels();
    for (int y : { 0, 2, 3, 7, root.height() - 1 })
        for (int x : { 0, 4, 5, 13, root.width() - 1 })
            EXPECT_EQ(root.pixel(x, y) & 0xffffff, picture.pixel(x % 5, y % 3) & 0xffffff) << x << "," << y;
}

TEST_F(X11RootBackgroundTest, CentredTheRestIsTheDesktopColourAndTheOldPixmapIsReplaced)
{
    X11RootBackground root(m_display);
    root.show({ folder.file("p.bmp"), true });
    xcb_pixmap_t first = published("_XROOTPMAP_ID");
    root.show({ folder.file("p.bmp"), false, 0x008080 });
    EXPECT_NE(published("_XROOTPMAP_ID"), first);
    QImage pixels = rootPixels();
    int left = (pixels.width() - 5) / 2, top = (pixels.height() - 3) / 2;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(pixels.pixel(left + x, top + y) & 0xffffff, picture.pixel(x, y) & 0xffffff);
    EXPECT_EQ(pixels.pixel(0, 0) & 0xffffff, 0x008080u);
    EXPECT_EQ(pixels.pixel(left - 1, top) & 0xffffff, 0x008080u);
    EXPECT_EQ(pixels.pixel(left + 5, top + 2) & 0xffffff, 0x008080u);
}

TEST_F(X11RootBackgroundTest, ADesktopWindowOverTheRootIsRefusedBeforeAnythingIsPainted)
{
    xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, screen->width_in_pixels,
        screen->height_in_pixels, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    xcb_atom_t desktop = atom("_NET_WM_WINDOW_TYPE_DESKTOP");
    xcb_change_property(
        connection, XCB_PROP_MODE_REPLACE, window, atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &desktop);
    xcb_map_window(connection, window);
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    X11RootBackground root(m_display);
    for (bool paint : { false, true }) {
        try {
            paint ? root.show({ folder.file("p.bmp"), true }) : root.checkShowable();
            ADD_FAILURE();
        } catch (const std::exception& error) {
            EXPECT_EQ(std::string(error.what()),
                "the desktop draws its own background; Zentrel cannot show the wallpaper here");
        }
    }
    EXPECT_EQ(published("_XROOTPMAP_ID"), 0u);
}

TEST(X11RootBackgroundNoDisplay, AnUnreachableDisplayIsOneMessage)
{
    TemporaryFolder folder;
    QImage(2, 2, QImage::Format_RGB32).save(QString::fromStdString(folder.file("p.bmp")), "BMP");
    try {
        X11RootBackground(":93").show({ folder.file("p.bmp"), true });
        ADD_FAILURE();
    } catch (const std::exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot reach the X display :93");
    }
}
