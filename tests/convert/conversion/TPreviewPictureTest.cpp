#include "convert/conversion/TPreviewPicture.h"

#include "convert/jpeg/TBmpWriter.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t red = 0xFFFF0000u;
constexpr std::uint32_t blue = 0xFF0000FFu;
constexpr std::uint32_t white = 0xFFFFFFFFu;

// An 8-bit bitmap whose rows (top first) hold the given colour indices; 0 red, 1 blue, 2 white.
std::vector<unsigned char> indexedBitmap(const std::vector<std::vector<unsigned char>>& rows)
{
    const int width = static_cast<int>(rows.front().size());
    TBmpWriter bitmap(width, static_cast<int>(rows.size()), 8, 0, 0);
    unsigned char reds[] = { 255, 0, 255 }, greens[] = { 0, 0, 255 }, blues[] = { 0, 255, 255 };
    const unsigned char* colormap[] = { reds, greens, blues };
    bitmap.setColorTable(colormap, 3, 3);
    for (std::size_t y = 0; y < rows.size(); ++y)
        std::copy(rows[y].begin(), rows[y].end(), bitmap.row(static_cast<int>(y)));
    return bitmap.take();
}

} // namespace

TEST(PreviewPicture, atThePictureSizeEveryPixelIsItsOwnColour)
{
    const auto bitmap = indexedBitmap({ { 0, 1, 2 }, { 2, 0, 1 } });
    const TPreviewPicture preview = TPreviewPicture::sampledFrom(bitmap, 3, 2);
    EXPECT_EQ(preview.pixels, (std::vector<std::uint32_t> { red, blue, white, white, red, blue }));
}

TEST(PreviewPicture, scaledDownEachPixelAveragesThePartItCovers)
{
    // Columns alternate red and blue, so every preview pixel covering two columns is half of each.
    const auto bitmap = indexedBitmap({ { 0, 1, 0, 1, 2, 2 }, { 0, 1, 0, 1, 2, 2 } });
    const TPreviewPicture preview = TPreviewPicture::sampledFrom(bitmap, 3, 1);
    EXPECT_EQ(preview.pixels, (std::vector<std::uint32_t> { 0xFF800080u, 0xFF800080u, white }));
}

TEST(PreviewPicture, trueColourRowsAreReadBlueGreenRed)
{
    TBmpWriter bitmap(2, 1, 24, 0, 0);
    const unsigned char samples[] = { 10, 20, 30, 200, 100, 50 };
    bitmap.setRowFromSamples(0, samples, 3);
    EXPECT_EQ(TPreviewPicture::sampledFrom(bitmap.take(), 2, 1).pixels,
        (std::vector<std::uint32_t> { 0xFF0A141Eu, 0xFFC86432u }));
}

TEST(PreviewPicture, aBitmapThatDoesNotHoldItsRowsGivesNoPreview)
{
    auto cut = indexedBitmap({ { 0, 1 }, { 1, 0 } });
    cut.pop_back();
    auto unknownDepth = indexedBitmap({ { 0 } });
    unknownDepth[28] = 4;
    for (const auto& bitmap : { cut, unknownDepth, std::vector<unsigned char>(), std::vector<unsigned char>(60) })
        EXPECT_TRUE(TPreviewPicture::sampledFrom(bitmap, 1, 1).empty());
}
