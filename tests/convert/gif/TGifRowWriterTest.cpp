#include "convert/gif/TGifRowWriter.h"

#include "convert/gif/EIndexOutOfBounds.h"
#include "convert/gif/TByteArray2D.h"
#include "convert/gif/TGifProgress.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
struct RowCounter : TGifProgress {
    void RowDecoded() override { ++rows; }
    int rows = 0;
};

// Writes `rows` rows, row k filled with the value k + 1, and returns the value found in each image row.
std::vector<int> placeRows(int height, int rows, bool interlaced)
{
    TByteArray2D pixels(3, height);
    TGifProgress progress;
    TGifRowWriter out(pixels, interlaced, progress);
    for (int k = 0; k < rows; ++k) {
        std::uint8_t row[3] = { std::uint8_t(k + 1), std::uint8_t(k + 1), std::uint8_t(k + 1) };
        out.Write(row, 3);
    }
    out.Finish();
    std::vector<int> found;
    for (int r = 1; r <= height; ++r)
        found.push_back(pixels.GetItem(2, r));
    return found;
}
} // namespace

TEST(TGifRowWriter, InterlacedRowsFollowTheFourPasses)
{
    // Data rows 1..10 land in image rows 0, 8, 4, 2, 6, 1, 3, 5, 7, 9.
    EXPECT_EQ(placeRows(10, 10, true), (std::vector<int> { 1, 6, 4, 7, 3, 8, 5, 9, 2, 10 }));
    EXPECT_EQ(placeRows(3, 3, true), (std::vector<int> { 1, 3, 2 }));
    EXPECT_EQ(placeRows(1, 1, true), (std::vector<int> { 1 }));
    EXPECT_EQ(placeRows(5, 5, false), (std::vector<int> { 1, 2, 3, 4, 5 }));
}

TEST(TGifRowWriter, RowsTheDataNeverReachAreZero)
{
    EXPECT_EQ(placeRows(10, 4, true), (std::vector<int> { 1, 0, 4, 0, 3, 0, 0, 0, 2, 0 }));
    EXPECT_EQ(placeRows(4, 2, false), (std::vector<int> { 1, 2, 0, 0 }));
}

TEST(TGifRowWriter, ARowMoreThanTheImageHoldsFailsWhenItCompletes)
{
    for (bool interlaced : { false, true }) {
        TByteArray2D pixels(2, 3);
        RowCounter progress;
        TGifRowWriter out(pixels, interlaced, progress);
        const std::uint8_t rows[8] = { 1, 1, 2, 2, 3, 3, 4, 4 };
        out.Write(rows, 6);
        out.Write(rows + 6, 1); // an incomplete fourth row is no fault yet
        try {
            out.Write(rows + 7, 1);
            FAIL() << "the fourth row was accepted";
        } catch (const EIndexOutOfBounds& error) {
            EXPECT_STREQ(error.what(), "Dynamic array index out of bounds");
        }
        EXPECT_EQ(progress.rows, 4); // events run for the row before it is found to be outside
    }
}

TEST(TGifRowWriter, AnyPixelOfAnImageWithoutColumnsFails)
{
    TByteArray2D pixels(0, 5);
    TGifProgress progress;
    TGifRowWriter out(pixels, false, progress);
    const std::uint8_t pixel = 7;
    EXPECT_THROW(out.Write(&pixel, 1), EIndexOutOfBounds);
}

TEST(TGifRowWriter, IncompleteLastRowLeavesNoTrace)
{
    TByteArray2D pixels(4, 2);
    TGifProgress progress;
    TGifRowWriter out(pixels, false, progress);
    const std::uint8_t bytes[6] = { 9, 9, 9, 9, 9, 9 };
    out.Write(bytes, 6);
    out.Finish();
    EXPECT_EQ(pixels.GetItem(4, 1), 9);
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(pixels.GetItem(c, 2), 0);
}
