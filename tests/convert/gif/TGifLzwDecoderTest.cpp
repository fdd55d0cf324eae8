#include "convert/gif/TGifLzwDecoder.h"

#include "GifTestBytes.h"
#include "convert/gif/EGifException.h"
#include "convert/gif/TByteArray2D.h"
#include "convert/gif/TGifProgress.h"
#include "convert/gif/TGifRowWriter.h"

#include <gtest/gtest.h>
#include <memory>

namespace {
// Decodes a code stream into a width x height matrix and returns its bytes row after row.
Bytes decode(int codeSize, const Bytes& data, int width, int height)
{
    TByteArray2D pixels(width, height);
    TGifProgress progress;
    TGifRowWriter out(pixels, false, progress);
    auto decoder = std::make_unique<TGifLzwDecoder>();
    decoder->Decode(data.data(), data.size(), codeSize, out);
    Bytes all;
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c)
            all.push_back(pixels.GetItem(c, r));
    return all;
}

std::string failure(int codeSize, const Bytes& data, int width = 4, int height = 4)
{
    try {
        decode(codeSize, data, width, height);
    } catch (const EGifException& error) {
        return error.what();
    }
    return "no failure";
}
} // namespace

TEST(TGifLzwDecoder, DecodesAHandPackedStreamWithAWidthChange)
{
    // Code size 2: clear 4, end 5, codes of 3 bits until the table reaches 8 entries.
    //   0x44 = 01 000 100: clear (100), literal 0 (000), low bits of literal 1
    //   0x02 = 0000 001 0: rest of literal 1 (adds 6 = 0 1), literal 1 (adds 7 = 1 1; width 4),
    //                       literal 0 at 4 bits (adds 8 = 1 0)
    //   0x05 = 0000 0101: end code at 4 bits
    EXPECT_EQ(decode(2, { 0x44, 0x02, 0x05 }, 2, 2), (Bytes { 0, 1, 1, 0 }));
}

TEST(TGifLzwDecoder, ExpandsKnownCodesAndTheCodeNotYetInTheTable)
{
    CodeWriter codes(2);
    // 1; then 6 while 6 is the next free code: the old string and its own first byte (1 1);
    // 6 again, now known (1 1, adding 7 = 1 1 1); 2; then 7 (1 1 1).
    codes.Clear().Code(1).Code(6).Code(6).Code(2).Code(7).End();
    EXPECT_EQ(decode(2, codes.Data(), 9, 1), (Bytes { 1, 1, 1, 1, 1, 2, 1, 1, 1 }));
}

TEST(TGifLzwDecoder, ClearCodesRestartTheTableAndRepeatedClearsAreSkipped)
{
    CodeWriter codes(2);
    codes.Clear().Code(3).Code(2).Code(6); // 3 2 3 2; 6 = 3 2
    codes.Clear().Clear().Clear().Code(1).Code(6); // 6 is free again after the clears: 1 1
    codes.End();
    EXPECT_EQ(decode(2, codes.Data(), 7, 1), (Bytes { 3, 2, 3, 2, 1, 1, 1 }));
}

TEST(TGifLzwDecoder, DataWithoutALeadingClearCodeStartAsAfterOne)
{
    CodeWriter codes(2);
    codes.Code(2).Code(3).Code(6).End(); // 2 3, then 6 = 2 3 with no clear code before it
    EXPECT_EQ(decode(2, codes.Data(), 4, 1), (Bytes { 2, 3, 2, 3 }));
    // Only the end code: an empty image, no failure.
    EXPECT_EQ(decode(2, CodeWriter(2).End().Data(), 2, 1), (Bytes { 0, 0 }));
}

TEST(TGifLzwDecoder, AnUnknownFirstCodeAfterAClearIsPixelZero)
{
    CodeWriter codes(2);
    codes.Clear().Code(7).Code(3).End(); // 7 is not in the empty table
    EXPECT_EQ(decode(2, codes.Data(), 2, 1), (Bytes { 0, 3 }));
}

TEST(TGifLzwDecoder, NineBitLiteralsKeepTheirLowByte)
{
    CodeWriter codes(9);
    codes.Clear().Code(300).Code(65).Code(514).End(); // 300 -> 44; 514 = 300 65
    EXPECT_EQ(decode(9, codes.Data(), 4, 1), (Bytes { 44, 65, 44, 65 }));
}

TEST(TGifLzwDecoder, CodesGrowToTwelveBitsAndAFullTableWantsAClearCode)
{
    // Code size 8: entries 258 .. 4095 come from 3838 literals after the first; the widths grow at
    // 512, 1024 and 2048 entries, and after entry 4095 only a clear code may follow.
    const int literals = 1 + (4096 - 258);
    CodeWriter codes(8);
    codes.Clear();
    for (int i = 0; i < literals; ++i)
        codes.Code(static_cast<unsigned>(i % 251));
    ASSERT_EQ(codes.Width(), 12);
    ASSERT_EQ(codes.NextFree(), 4096u);

    CodeWriter full = codes;
    full.Clear().Code(7).Code(258).End(); // 258 after the clear is 7 7
    Bytes pixels = decode(8, full.Data(), literals + 3, 1);
    EXPECT_EQ(pixels[0], 0);
    EXPECT_EQ(pixels[literals - 1], (literals - 1) % 251);
    EXPECT_EQ((Bytes(pixels.end() - 3, pixels.end())), (Bytes { 7, 7, 7 }));

    CodeWriter endAfterFull = codes;
    EXPECT_EQ(failure(8, endAfterFull.End().Data(), literals, 1), "Code size overflow");
    CodeWriter literalAfterFull = codes;
    EXPECT_EQ(failure(8, literalAfterFull.Raw(5, 12).End().Data(), literals + 1, 1), "Code size overflow");
}

TEST(TGifLzwDecoder, MalformedStreamsFailWithTheirMessages)
{
    EXPECT_EQ(failure(1, CodeWriter(2).Clear().End().Data()), "Bad code Size");
    EXPECT_EQ(failure(10, CodeWriter(2).Clear().End().Data()), "Bad code Size");
    EXPECT_EQ(failure(2, CodeWriter(2).Clear().End().Data()), "Bad code");
    EXPECT_EQ(failure(2, CodeWriter(2).Clear().Code(1).Code(7).End().Data()), "Bad code"); // 6 is next
    EXPECT_EQ(failure(2, CodeWriter(2).Clear().Code(1).Code(2).Data()), "No data while more was expected");
    EXPECT_EQ(failure(2, {}), "No data while more was expected");
}

TEST(TGifLzwDecoder, LongStringsSpanRowsAndAnIncompleteLastRowIsDropped)
{
    CodeWriter codes(2);
    // 1, 6 (1 1), 7 (1 1 1), 8 (1 1 1 1): ten pixels over rows of three.
    codes.Clear().Code(1).Code(6).Code(7).Code(8).End();
    EXPECT_EQ(decode(2, codes.Data(), 3, 4), (Bytes { 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0 }));
}

TEST(TGifLzwDecoder, BitsAreReadAcrossWordLoadsInTheSameOrder)
{
    // Long enough that codes come from whole-word loads and then from the last few bytes.
    Bytes pixels;
    for (int i = 0; i < 500; ++i)
        pixels.push_back(static_cast<std::uint8_t>((i * 37) % 16));
    EXPECT_EQ(decode(4, literalStream(4, pixels), 500, 1), pixels);
}
