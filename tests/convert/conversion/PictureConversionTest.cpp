#include "GifBytes.h"
#include "convert/conversion/PictureKind.h"
#include "convert/conversion/TPreviewBox.h"
#include "convert/jpeg/JpegFixture.h"
#include "convert/jpeg/TempFolder.h"

#include <gtest/gtest.h>

TEST(PictureKind, extensionsAreComparedUpperCasedAfterTheLastDot)
{
    EXPECT_EQ(pictureKindOf("photo.Jpg"), TPictureKind::Jpeg);
    EXPECT_EQ(pictureKindOf("/home/me/PHOTO.JPEG"), TPictureKind::Jpeg);
    EXPECT_EQ(pictureKindOf("a.gif"), TPictureKind::Gif);
    EXPECT_EQ(pictureKindOf("archive.gif.jpg"), TPictureKind::Jpeg);
    for (const char* name : { "a.jpe", "a.jfif", "a.bmp", "photo", "jpg", "a.jpg ", "a.jpg.", "" })
        EXPECT_EQ(pictureKindOf(name), TPictureKind::Unknown) << name;
    EXPECT_EQ(pictureExtension("x.tar.Gz"), ".GZ");
}

TEST(PictureKind, aDotInAFolderNameIsNoExtension)
{
    EXPECT_EQ(pictureExtension("C:\\pics.old\\photo"), "");
    EXPECT_EQ(pictureExtension("/pics.jpg/photo"), "");
    EXPECT_EQ(pictureExtension("C:.jpg:photo"), "");
    EXPECT_EQ(pictureKindOf("/pics.old/photo.jpeg"), TPictureKind::Jpeg);
}

TEST(PictureKind, onlyAsciiLettersAreUpperCased)
{
    // 0xE7 is a lower-case letter in Latin-1; it must not be folded.
    EXPECT_EQ(pictureExtension("a.gif\xE7"), ".GIF\xE7");
    EXPECT_EQ(pictureKindOf("a.g\xC9"
                            "f"),
        TPictureKind::Unknown);
}

TEST(TPreviewBox, fitsThePictureWholeNeverEnlarged)
{
    struct Case {
        int width, height, boxWidth, boxHeight;
    };
    for (Case c : { Case { 300, 200, 150, 100 }, Case { 200, 300, 100, 150 }, Case { 100, 80, 100, 80 },
             Case { 150, 150, 150, 150 }, Case { 192, 256, 112, 150 }, Case { 64, 256, 38, 150 },
             Case { 256, 192, 150, 112 }, Case { 1, 1, 1, 1 }, Case { 1, 1000, 0, 150 }, Case { 3000, 2, 150, 0 },
             Case { 65535, 65535, 150, 150 }, Case { 151, 150, 150, 149 } }) {
        TPreviewBox box = TPreviewBox::fittedTo(c.width, c.height);
        EXPECT_EQ(box.width, c.boxWidth) << c.width << " x " << c.height;
        EXPECT_EQ(box.height, c.boxHeight) << c.width << " x " << c.height;
        EXPECT_EQ(box.left, 8);
        EXPECT_EQ(box.top, 96);
    }
    EXPECT_EQ(TPreviewBox::fittedTo(0, 0), TPreviewBox());
}

TEST(TPreviewBox, exactHalvesRoundToEven)
{
    EXPECT_EQ(roundHalfToEven(1, 2), 0);
    EXPECT_EQ(roundHalfToEven(3, 2), 2);
    EXPECT_EQ(roundHalfToEven(5, 2), 2);
    EXPECT_EQ(roundHalfToEven(7, 2), 4);
    EXPECT_EQ(roundHalfToEven(26, 10), 3);
    EXPECT_EQ(roundHalfToEven(24, 10), 2);
    EXPECT_EQ(roundHalfToEven(1001, 2000), 1);
    EXPECT_EQ(roundHalfToEven(999, 2000), 0);
}
