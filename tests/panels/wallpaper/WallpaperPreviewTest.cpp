#include "panels/wallpaper/WallpaperPreview.h"

#include "cycle/Exception.h"
#include "cycle/TemporaryFolder.h"
#include "panels/wallpaper/PictureFile.h"
#include "panels/wallpaper/PreviewFit.h"
#include "support/FailureOf.h"

#include <QBuffer>
#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

QSize sizeOf(const Picture& picture)
{
    return { picture.width, picture.height };
}

struct Fit {
    int width, height;
    PreviewArea area;
};

class PreviewFiles : public ::testing::Test {
protected:
    std::string bitmap(const std::string& name, int width, int height, QColor colour = Qt::red)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(colour);
        EXPECT_TRUE(picture.save(QString::fromStdString(folder.file(name)), "BMP"));
        return folder.file(name);
    }

    TemporaryFolder folder;
};

} // namespace

TEST(PreviewFit, SmallPicturesKeepTheirSizeLargeOnesShrinkToTheSquareCentred)
{
    const Fit fits[] = {
        { 100, 50, { 358, 109, 100, 50 } }, { 1024, 768, { 308, 59, 200, 150 } }, { 800, 1000, { 328, 34, 160, 200 } },
        { 640, 480, { 308, 59, 200, 150 } }, { 300, 199, { 308, 68, 200, 133 } }, // 132.67 up; 33.5 to the even 34
        { 200, 200, { 308, 34, 200, 200 } }, { 5000, 5000, { 308, 34, 200, 200 } },
        { 199, 199, { 308, 34, 199, 199 } }, // 0.5 to the even 0
        { 197, 1, { 310, 134, 197, 1 } }, // 1.5 to 2; 99.5 to 100
        { 1, 400, { 408, 34, 0, 200 } }, // exactly 0.5 wide: to the even 0
        { 3, 400, { 407, 34, 2, 200 } }, // exactly 1.5 wide: to 2
        { 1, 1, { 408, 134, 1, 1 } }, // 99.5 to the even 100
    };
    for (const Fit& fit : fits)
        EXPECT_EQ(fitPreview(fit.width, fit.height), fit.area) << fit.width << " x " << fit.height;
}

TEST(PreviewFit, RoundingIsExactAndTakesHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(5, 2), 2);
    EXPECT_EQ(roundHalfEven(7, 2), 4);
    EXPECT_EQ(roundHalfEven(199 * 200, 300), 133);
    EXPECT_EQ(roundHalfEven(-5, 2), -2);
    EXPECT_EQ(roundHalfEven(-7, 2), -4);
    EXPECT_EQ(roundHalfEven(10'000LL * 200, 30'000), 67);
}

TEST(PictureFile, TheExtensionIsWhatFollowsTheLastDotOfTheFileName)
{
    EXPECT_EQ(fileExtension("C:\\PICS\\sky.bmp"), "bmp");
    EXPECT_EQ(fileExtension("/pics/sky.tar.BMP"), "BMP");
    EXPECT_EQ(fileExtension("C:\\MY.PICS\\sky"), "");
    EXPECT_EQ(fileExtension("/my.pics/sky"), "");
    EXPECT_EQ(fileExtension("sky."), "");
    EXPECT_EQ(fileExtension(""), "");
}

TEST_F(PreviewFiles, BitmapsLoadUnderAnyCaseOfTheirExtension)
{
    bitmap("upper.BMP", 7, 5);
    Picture picture = loadPictureFile(folder.file("upper.BMP"));
    EXPECT_EQ(picture.width, 7);
    EXPECT_EQ(picture.height, 5);
    EXPECT_EQ(picture.at(3, 2), 0xffff0000u);
}

TEST_F(PreviewFiles, EachFailureHasItsOwnMessage)
{
    std::string missing = folder.file("missing.bmp");
    EXPECT_EQ(failureOf([&] { loadPictureFile(missing); }), "Cannot open file " + missing);
    EXPECT_EQ(failureOf([&] { loadPictureFile(folder.file("missing.gif")); }), "Unknown picture file extension (.gif)")
        << "the extension is judged before the file is opened";
    EXPECT_EQ(failureOf([&] { loadPictureFile(folder.file("noextension")); }), "Unknown picture file extension (.)");

    std::filesystem::create_directory(folder.file("folder.bmp"));
    EXPECT_EQ(failureOf([&] { loadPictureFile(folder.file("folder.bmp")); }),
        "Cannot open file " + folder.file("folder.bmp"));

    folder.write("garbage.bmp", "BM this is no bitmap at all");
    EXPECT_EQ(failureOf([&] { loadPictureFile(folder.file("garbage.bmp")); }), "Bitmap image is not valid");
    folder.write("empty.bmp", "");
    EXPECT_EQ(failureOf([&] { loadPictureFile(folder.file("empty.bmp")); }), "Bitmap image is not valid");

    QImage png(3, 3, QImage::Format_RGB32);
    png.fill(Qt::blue);
    png.save(QString::fromStdString(folder.file("png.bmp")), "PNG");
    EXPECT_EQ(failureOf([&] { loadPictureFile(folder.file("png.bmp")); }), "Bitmap image is not valid")
        << "a picture of another kind under a bitmap name";
}

TEST_F(PreviewFiles, AHeaderClaimingAHugePictureFailsCleanly)
{
    std::string path = bitmap("small.bmp", 4, 4);
    std::string bytes = TemporaryFolder::readPath(path);
    // Width and height in the info header, little-endian at offsets 18 and 22: 100,000 each.
    const char huge[4] = { static_cast<char>(0xA0), static_cast<char>(0x86), 0x01, 0x00 };
    bytes.replace(18, 4, huge, 4);
    bytes.replace(22, 4, huge, 4);
    folder.write("huge.bmp", bytes);
    EXPECT_EQ(failureOf([&] { loadPictureFile(folder.file("huge.bmp")); }), "Bitmap image is not valid");
}

TEST_F(PreviewFiles, ThePreviewIsFittedAndDrawnAtTheAreasSize)
{
    WallpaperPreview preview;
    EXPECT_EQ(preview.area(), previewSquare);
    EXPECT_TRUE(preview.picture().isNull());

    preview.show(bitmap("wide.bmp", 1024, 768, Qt::green));
    EXPECT_EQ(preview.area(), (PreviewArea { 308, 59, 200, 150 }));
    EXPECT_EQ(preview.widthText(), "1024");
    EXPECT_EQ(preview.heightText(), "768");
    EXPECT_EQ(sizeOf(preview.picture()), QSize(200, 150));
    EXPECT_EQ(preview.picture().at(100, 75), 0xff00ff00u);

    preview.show(bitmap("tall.bmp", 3000, 9000, Qt::blue));
    EXPECT_EQ(preview.area(), (PreviewArea { 374, 34, 67, 200 }));
    EXPECT_EQ(sizeOf(preview.picture()), QSize(67, 200));
    EXPECT_EQ(preview.picture().at(33, 100), 0xff0000ffu);
}

TEST_F(PreviewFiles, AFailedPreviewOnlyMovesTheAreaBackToTheCorner)
{
    WallpaperPreview preview;
    preview.show(bitmap("small.bmp", 100, 50));
    ASSERT_EQ(preview.area(), (PreviewArea { 358, 109, 100, 50 }));

    for (const char* name : { "gone.bmp", "picture.jpg" }) {
        EXPECT_THROW(preview.show(folder.file(name)), Exception);
        EXPECT_EQ(preview.area(), (PreviewArea { 308, 34, 100, 50 }));
        EXPECT_EQ(preview.widthText(), "100");
        EXPECT_EQ(preview.heightText(), "50");
        EXPECT_EQ(sizeOf(preview.picture()), QSize(100, 50));
    }
}

TEST(StretchedPicture, EachPixelIsTheAverageOfWhatItCovers)
{
    const Picture stripes { 4, 1, { 0xff000000u, 0xffffffffu, 0xff000000u, 0xffffffffu } };
    EXPECT_EQ(stretchedPicture(stripes, 2, 1).pixels, (std::vector<std::uint32_t> { 0xff808080u, 0xff808080u }));
    EXPECT_EQ(stretchedPicture(stripes, 4, 1), stripes) << "the same size is the same picture";
    const Picture pair { 2, 1, { 0xffff0000u, 0xff0000ffu } };
    EXPECT_EQ(stretchedPicture(pair, 4, 2).pixels,
        (std::vector<std::uint32_t> {
            0xffff0000u, 0xffff0000u, 0xff0000ffu, 0xff0000ffu, 0xffff0000u, 0xffff0000u, 0xff0000ffu, 0xff0000ffu }));
    const Picture wide { 3, 1, { 0xff000000u, 0xff000000u, 0xffffffffu } };
    EXPECT_EQ(stretchedPicture(wide, 2, 1).pixels, (std::vector<std::uint32_t> { 0xff000000u, 0xffaaaaaau }))
        << "the middle pixel counts half for each";
    EXPECT_TRUE(stretchedPicture(pair, 0, 5).isNull());
    EXPECT_TRUE(stretchedPicture(Picture {}, 5, 5).isNull());
}
