#include "resources/SkinResources.h"
#include "resources/WindowTables.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QImage resource(const std::string& name)
{
    return QImage(QString::fromStdString(":/" + name));
}

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

} // namespace

// Checks the drawn files against the tables; what they look like is for the eye.
TEST(Artwork, EverySkinnedWindowHasItsBackgroundAndStripsInTheirSizes)
{
    initSkinResources();
    for (const TWindowGeometry* window : windowTables) {
        if (window->frame != TFrame::Skinned)
            continue;
        SCOPED_TRACE(window->name);
        QImage background = resource(backgroundResource(*window));
        ASSERT_FALSE(background.isNull());
        EXPECT_EQ(background.size(), QSize(window->width, window->height));
        EXPECT_EQ(background.format(), QImage::Format_Indexed8);
        EXPECT_LE(background.colorCount(), 256);
        for (const TControlGeometry& control : window->controls) {
            if (control.kind == TControlKind::BitmapButton) {
                QImage strip = resource(pictureResource(*window, control));
                ASSERT_FALSE(strip.isNull()) << control.name;
                // Three pictures side by side, each one pixel larger than the face.
                EXPECT_EQ(strip.size(), QSize(3 * (control.w + 1), control.h + 1)) << control.name;
                EXPECT_GE(strip.depth(), 24) << control.name;
            } else if (control.kind == TControlKind::Picture && control.glyph != TGlyph::None) {
                QImage picture = resource(pictureResource(*window, control));
                EXPECT_EQ(picture.size(), QSize(126, 126)) << control.name;
                EXPECT_EQ(picture.format(), QImage::Format_Indexed8) << control.name;
            }
        }
    }
}

TEST(Artwork, IconsAreThirtyTwoSquareAndTheHelpIconHasSixteenColours)
{
    initSkinResources();
    for (const char* name : { "zentrel", "gfx", "help" })
        EXPECT_EQ(resource(iconResource(name)).size(), QSize(32, 32)) << name;
    EXPECT_LE(distinctColours(resource(iconResource("help"))), 16);
}
