#include "convert/gif/EIndexOutOfBounds.h"
#include "convert/gif/TBigByteArray.h"
#include "convert/gif/TByteArray2D.h"
#include "convert/gif/TGifColorTable.h"
#include "cycle/ENotEnoughMemory.h"

#include <gtest/gtest.h>
#include <limits>

TEST(TBigByteArray, AcceptsIndicesFromOneToCountOnly)
{
    TBigByteArray bytes(3);
    bytes.SetItem(1, 10);
    bytes.SetItem(3, 30);
    EXPECT_EQ(bytes.GetItem(1), 10);
    EXPECT_EQ(bytes.GetItem(2), 0);
    EXPECT_EQ(bytes.GetItem(3), 30);
    for (std::size_t bad : { std::size_t(0), std::size_t(4), std::numeric_limits<std::size_t>::max() }) {
        EXPECT_THROW(bytes.GetItem(bad), EIndexOutOfBounds);
        EXPECT_THROW(bytes.SetItem(bad, 1), EIndexOutOfBounds);
    }
    EXPECT_THROW(TBigByteArray(0).GetItem(1), EIndexOutOfBounds);
}

TEST(TBigByteArray, ABlockThatCannotBeHadFailsWithItsSize)
{
    try {
        TBigByteArray huge(std::numeric_limits<std::size_t>::max() / 2);
        FAIL() << "an impossible block was allocated";
    } catch (const ENotEnoughMemory& error) {
        EXPECT_EQ(std::string(error.what()),
            "error in TBigByteArray.create: Not enough contiguous memory available\r\n requested memory block: "
                + std::to_string(std::numeric_limits<std::size_t>::max() / 2) + " bytes");
    }
}

TEST(TByteArray2D, StoresRowAfterRowAndChecksOnlyTheLinearIndex)
{
    TByteArray2D matrix(3, 2);
    matrix.SetItem(3, 1, 13);
    matrix.SetItem(1, 2, 21);
    EXPECT_EQ(matrix.GetItem(4, 1), 21); // column 4 of row 1 is column 1 of row 2
    EXPECT_EQ(matrix.GetRow(1).GetItem(3), 13);
    EXPECT_THROW(matrix.GetItem(4, 2), EIndexOutOfBounds);
    EXPECT_THROW(matrix.GetItem(1, 3), EIndexOutOfBounds);
}

TEST(TByteArray2D, SetRowChecksTheRowAndItsLength)
{
    TByteArray2D matrix(2, 2);
    TBigByteArray row(2);
    row.SetItem(1, 5);
    row.SetItem(2, 6);
    matrix.SetRow(2, row);
    EXPECT_EQ(matrix.GetItem(2, 2), 6);
    EXPECT_THROW(matrix.SetRow(0, row), EIndexOutOfBounds);
    EXPECT_THROW(matrix.SetRow(3, row), EIndexOutOfBounds);
    try {
        matrix.SetRow(1, TBigByteArray(3));
        FAIL() << "a row of the wrong length was taken";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Row doesn't have equal number of elements as Matrix row");
    }
}

TEST(TGifColorTable, InitDefaultFillsOnlyTheThreeKnownSizes)
{
    TGifColorTable table;
    table.InitDefault(16);
    EXPECT_EQ(table.Count, 16);
    EXPECT_EQ((std::vector<int> { table.Entries[1][0], table.Entries[1][1], table.Entries[1][2] }),
        (std::vector<int> { 128, 0, 0 }));
    EXPECT_EQ((std::vector<int> { table.Entries[8][0], table.Entries[8][1], table.Entries[8][2] }),
        (std::vector<int> { 192, 192, 192 }));
    EXPECT_EQ(table.Entries[15][2], 255);
    EXPECT_EQ(table.Entries[16][0], 0);

    table.InitDefault(4); // only the count changes
    EXPECT_EQ(table.Count, 4);
    EXPECT_EQ(table.Entries[1][0], 128);

    table.InitDefault(2);
    EXPECT_EQ(table.Entries[0][0], 0);
    EXPECT_EQ(table.Entries[1][1], 255);
    EXPECT_EQ(table.Entries[2][1], 128); // beyond the count: kept

    table.InitDefault(256);
    EXPECT_EQ(table.Entries[200][0], 200);
    EXPECT_EQ(table.Entries[200][2], 200);
}
