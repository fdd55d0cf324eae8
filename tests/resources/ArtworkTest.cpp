#include "resources/SkinResources.h"
#include "resources/WindowTables.h"

#include <QImage>
#include <QSet>
#include <cstdlib>
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

// The double-density set: twice the pixels, the same palette limit, and the same layout, so that
// shrunk to the plain size it shows what the plain picture shows.
TEST(Artwork, EveryPictureIsAlsoDrawnAtDoubleDensityWithTheSameLayout)
{
    initSkinResources();
    // Compared at half the plain size, where the finer drawing of small symbols no longer counts
    // and a shifted or wrongly scaled layout still does.
    auto closeTo = [](const QImage& plain, const QImage& dense) {
        QSize half = plain.size() / 2;
        auto shrunk = [half](const QImage& image) {
            return image.convertToFormat(QImage::Format_RGB32)
                .scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        };
        QImage a = shrunk(plain), b = shrunk(dense);
        long long difference = 0;
        for (int y = 0; y < half.height(); ++y)
            for (int x = 0; x < half.width(); ++x) {
                QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                difference
                    += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            }
        return difference / (3.0 * half.width() * half.height());
    };
    for (const TWindowGeometry* window : windowTables) {
        if (window->frame != TFrame::Skinned)
            continue;
        SCOPED_TRACE(window->name);
        std::string name = backgroundResource(*window);
        QImage dense = resource(doubleDensityResource(name));
        ASSERT_FALSE(dense.isNull());
        EXPECT_EQ(dense.size(), QSize(2 * window->width, 2 * window->height));
        EXPECT_EQ(dense.format(), QImage::Format_Indexed8);
        EXPECT_LE(dense.colorCount(), 256);
        EXPECT_LT(closeTo(resource(name), dense), 20.0);
        for (const TControlGeometry& control : window->controls) {
            bool drawn = control.kind == TControlKind::BitmapButton
                || (control.kind == TControlKind::Picture && control.glyph != TGlyph::None);
            if (!drawn)
                continue;
            QImage plain = resource(pictureResource(*window, control));
            QImage twice = resource(doubleDensityResource(pictureResource(*window, control)));
            ASSERT_FALSE(twice.isNull()) << control.name;
            EXPECT_EQ(twice.size(), 2 * plain.size()) << control.name;
            EXPECT_EQ(twice.depth(), plain.depth()) << control.name;
            EXPECT_LT(closeTo(plain, twice), 20.0) << control.name;
        }
    }
}
