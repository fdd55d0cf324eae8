// The wallpaper preview on Windows decodes bitmaps with GDI: every depth and compression gives the
// colours the logo's own reader gives, and the refusals keep their messages.
#include "panels/logo/BitmapBytes.h"
#include "panels/logo/LogoBitmap.h"
#include "panels/wallpaper/PictureFile.h"
#include "panels/wallpaper/WallpaperPreview.h"
#include "support/FailureOf.h"
#include "win32/Win32Folder.h"

#include <gtest/gtest.h>

TEST(PicturePreviewWin32, GdiDecodesEveryDepthAsTheBitmapReaderDoes)
{
    const BitmapShape shapes[] = {
        { 37, 21, 1, 2 },
        { 37, 21, 4, 16 },
        { 37, 21, 8, 256 },
        { 40, 21, 8, 256, true },
        { 37, 21, 8, 256, false, true },
        { 37, 21, 24, 0 },
        { 37, 21, 32, 0 },
    };
    Win32Folder folder;
    for (const BitmapShape& shape : shapes) {
        SCOPED_TRACE(std::to_string(shape.bits) + " bits" + (shape.runLengths ? ", run lengths" : "")
            + (shape.topDown ? ", top-down" : ""));
        std::string bytes = bitmapBytes(shape);
        folder.write("shape.BMP", bytes);
        Picture picture;
        ASSERT_NO_THROW(picture = loadPictureFile(folder.file("shape.BMP")));
        LogoBitmap expected = decodeLogoBitmap(bytes);
        ASSERT_EQ(picture.width, shape.width);
        ASSERT_EQ(picture.height, shape.height);
        for (int y = 0; y < shape.height; ++y)
            for (int x = 0; x < shape.width; ++x)
                ASSERT_EQ(picture.at(x, y), 0xff000000u | expected.colourAt(x, y)) << "at " << x << ", " << y;
    }
}

TEST(PicturePreviewWin32, ThePreviewIsFittedAndEachFailureHasItsOwnMessage)
{
    Win32Folder folder;
    folder.write("wide.bmp", bitmapBytes({ 640, 480, 24, 0 }));
    WallpaperPreview preview;
    preview.show(folder.file("wide.bmp"));
    EXPECT_EQ(preview.area(), (PreviewArea { 308, 59, 200, 150 }));
    EXPECT_EQ(preview.widthText() + "x" + preview.heightText(), "640x480");
    EXPECT_EQ(preview.picture().width * preview.picture().height, 200 * 150);

    std::string missing = folder.file("missing.bmp");
    EXPECT_EQ(failureOf([&] { preview.show(missing); }), "Cannot open file " + missing);
    EXPECT_EQ(failureOf([&] { preview.show(folder.file("wide.gif")); }), "Unknown picture file extension (.gif)");
    CreateDirectoryA(folder.file("folder.bmp").c_str(), nullptr);
    EXPECT_EQ(
        failureOf([&] { preview.show(folder.file("folder.bmp")); }), "Cannot open file " + folder.file("folder.bmp"));
    folder.write("garbage.bmp", "BM this is no bitmap at all");
    EXPECT_EQ(failureOf([&] { preview.show(folder.file("garbage.bmp")); }), "Bitmap image is not valid");
    folder.write("empty.bmp", "");
    EXPECT_EQ(failureOf([&] { preview.show(folder.file("empty.bmp")); }), "Bitmap image is not valid");
    EXPECT_EQ(preview.widthText(), "640") << "a failed preview keeps the last picture";
}
