#include "TPaletteReducer.h"

#include <QSet>
#include <cstdlib>
#include <gtest/gtest.h>

TEST(PaletteReducer, KeepsEveryColourExactlyWhenThereAreFewEnough)
{
    QImage image(40, 10, QImage::Format_RGB32);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 10; ++y)
            image.setPixel(x, y, qRgb(x * 6, 255 - x * 6, (x * 37) % 256));
    QImage reduced = reduceColours(image, 256);
    ASSERT_EQ(reduced.format(), QImage::Format_Indexed8);
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(reduced.pixel(x, 5), image.pixel(x, 5)) << x;
}

TEST(PaletteReducer, ManyColoursBecomeAtMostTheCountWithSmallError)
{
    QImage image(256, 64, QImage::Format_RGB32);
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 64; ++y)
            image.setPixel(x, y, qRgb(x, y * 4, (x + y) / 2));
    QImage reduced = reduceColours(image, 256);
    EXPECT_LE(reduced.colorCount(), 256);
    int worst = 0;
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 64; ++y) {
            QRgb a = image.pixel(x, y), b = reduced.pixel(x, y);
            worst = std::max(
                { worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)) });
        }
    EXPECT_LE(worst, 24);
}

TEST(PaletteReducer, TransparentPixelsGetAnEntryOfTheirOwn)
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int i = 0; i < 8; ++i)
        image.setPixel(i, i, qRgb(200, 20 * i, 10));
    QImage reduced = reduceColours(image, 4);
    EXPECT_LE(reduced.colorCount(), 4);
    EXPECT_EQ(qAlpha(reduced.pixel(0, 7)), 0);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(qAlpha(reduced.pixel(i, i)), 255) << i;
}
