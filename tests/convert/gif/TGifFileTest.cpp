#include "convert/gif/TGifFile.h"

#include "GifTestBytes.h"
#include "convert/gif/EGifException.h"
#include "convert/gif/EIndexOutOfBounds.h"
#include "cycle/ENotEnoughMemory.h"

#include <gtest/gtest.h>

namespace {
// Two by two, 87a, a global table of black and white, pixels 0 1 / 1 0.
const Bytes TwoByTwo = {
    'G', 'I', 'F', '8', '7', 'a', // signature and version
    0x02, 0x00, 0x02, 0x00, // logical screen 2 x 2
    0x80, // packed flags: global table, 2 entries (bits 0-2 = 0)
    0x00, 0x00, // background colour, pixel aspect ratio
    0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, // global table: black, white
    ',', // image
    0x00, 0x00, 0x00, 0x00, // left 0, top 0
    0x02, 0x00, 0x02, 0x00, // width 2, height 2
    0x00, // no local table, not interlaced
    0x02, // minimum code size: clear 4, end 5
    0x03, 0x44, 0x02, 0x05, // a 3-byte sub-block: clear, 0, 1, 1, 0 (4 bits), end
    0x00, // block terminator
    ';', // trailer
};

std::string loadFailure(const Bytes& bytes)
{
    TGifFile gif;
    try {
        gif.LoadFromMemory(bytes.data(), bytes.size());
    } catch (const Exception& error) {
        return error.what();
    }
    return "loaded";
}

Bytes rowOf(const TGifSubImage& image, int row)
{
    Bytes bytes;
    for (int c = 1; c <= image.Width(); ++c)
        bytes.push_back(image.Pixels().GetItem(c, row));
    return bytes;
}

// The colour the bitmap's table holds at `index`, as red, green, blue.
Bytes bitmapColor(const Bytes& bmp, int index)
{
    const std::size_t at = 54 + 4 * std::size_t(index);
    EXPECT_EQ(bmp[at + 3], 0);
    return { bmp[at + 2], bmp[at + 1], bmp[at] };
}

std::uint32_t longAt(const Bytes& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24;
}
} // namespace

TEST(TGifFile, DecodesTheSmallestCompleteFile)
{
    TGifFile gif;
    gif.LoadFromMemory(TwoByTwo.data(), TwoByTwo.size());
    ASSERT_EQ(gif.ImageCount(), 1);
    EXPECT_EQ(gif.Version(), "87a");
    EXPECT_EQ(rowOf(gif.GetImage(1), 1), (Bytes { 0, 1 }));
    EXPECT_EQ(rowOf(gif.GetImage(1), 2), (Bytes { 1, 0 }));
}

TEST(TGifFile, WritesTheFirstImageAsAnEightBitBitmap)
{
    TGifFile gif;
    gif.LoadFromMemory(TwoByTwo.data(), TwoByTwo.size());
    Bytes bmp { 1, 2, 3 }; // replaced, not appended to
    gif.SaveToStream(bmp);
    ASSERT_EQ(bmp.size(), 1078u + 2 * 4);
    const Bytes fileHeader(bmp.begin(), bmp.begin() + 14);
    EXPECT_EQ(fileHeader, (Bytes { 'B', 'M', 0x3E, 0x04, 0, 0, 0, 0, 0, 0, 0x36, 0x04, 0, 0 }));
    EXPECT_EQ(longAt(bmp, 14), 40u); // info header size
    EXPECT_EQ(longAt(bmp, 18), 2u); // width
    EXPECT_EQ(longAt(bmp, 22), 2u); // height, positive: bottom-up
    EXPECT_EQ(longAt(bmp, 26), 1u | 8u << 16); // planes 1, 8 bits per pixel
    EXPECT_EQ(longAt(bmp, 30), 0u); // compression
    EXPECT_EQ(longAt(bmp, 34), 0u); // image size
    EXPECT_EQ(longAt(bmp, 38), 143u); // pixels per metre
    EXPECT_EQ(longAt(bmp, 42), 143u);
    EXPECT_EQ(longAt(bmp, 46), 0u); // colours used
    EXPECT_EQ(longAt(bmp, 50), 0u); // important colours
    EXPECT_EQ(bitmapColor(bmp, 0), (Bytes { 0, 0, 0 }));
    EXPECT_EQ(bitmapColor(bmp, 1), (Bytes { 255, 255, 255 }));
    EXPECT_EQ(bitmapColor(bmp, 2), (Bytes { 2, 2, 2 })); // past the file's table: the grey ramp
    EXPECT_EQ(bitmapColor(bmp, 255), (Bytes { 255, 255, 255 }));
    const Bytes rows(bmp.begin() + 1078, bmp.end());
    EXPECT_EQ(rows, (Bytes { 1, 0, 0, 0, 0, 1, 0, 0 })); // last image row first, padded to 4
}

TEST(TGifFile, BitmapRowsArePaddedToFourBytes)
{
    // 3 x 2, rows 0 1 2 / 3 4 5, no global table (grey ramp, count from bits 0-2: 16).
    const Bytes gif
        = GifBuilder().Header().Screen(0x03).Image(3, 2, 0, 4, literalStream(4, { 0, 1, 2, 3, 4, 5 })).Trailer().Data();
    TGifFile file;
    file.LoadFromMemory(gif.data(), gif.size());
    Bytes bmp;
    file.SaveToStream(bmp);
    ASSERT_EQ(bmp.size(), 1086u);
    EXPECT_EQ(longAt(bmp, 2), 1086u);
    EXPECT_EQ(Bytes(bmp.begin() + 1078, bmp.end()), (Bytes { 3, 4, 5, 0, 0, 1, 2, 0 }));
    EXPECT_EQ(bitmapColor(bmp, 5), (Bytes { 5, 5, 5 }));
}

TEST(TGifFile, VersionIsCheckedButNotTheSignature)
{
    auto withHeader = [](const std::string& header) {
        Bytes bytes = TwoByTwo;
        std::copy(header.begin(), header.end(), bytes.begin());
        return loadFailure(bytes);
    };
    EXPECT_EQ(withHeader("GIF89a"), "loaded");
    EXPECT_EQ(withHeader("GIF89A"), "loaded");
    EXPECT_EQ(withHeader("GIF87A"), "loaded");
    EXPECT_EQ(withHeader("XYZ87a"), "loaded");
    EXPECT_EQ(withHeader("GIF90a"), "Gif Version must be 87a or 89a");
    EXPECT_EQ(withHeader("GIF87b"), "Gif Version must be 87a or 89a");
    EXPECT_EQ(withHeader("gif87 "), "Gif Version must be 87a or 89a");
}

TEST(TGifFile, ImagesNeedAGlobalCountOfTwoSixteenOr256)
{
    const Bytes data = literalStream(2, { 1 });
    for (std::uint8_t bits : { 0, 3, 7 }) {
        const Bytes gif
            = GifBuilder().Header().Screen(0x80 | bits).Colors(2 << bits).Image(1, 1, 0, 2, data).Trailer().Data();
        EXPECT_EQ(loadFailure(gif), "loaded") << int(bits);
    }
    for (std::uint8_t bits : { 1, 2, 4, 5, 6 }) {
        const Bytes gif
            = GifBuilder().Header().Screen(0x80 | bits).Colors(2 << bits).Image(1, 1, 0, 2, data).Trailer().Data();
        EXPECT_EQ(loadFailure(gif), "Number of colors must be 2, 16 or 256") << int(bits);
    }
    // Without images a 4-entry table is no fault, but there is nothing to render.
    const Bytes noImage = GifBuilder().Header().Screen(0x81).Colors(4).Trailer().Data();
    TGifFile gif;
    gif.LoadFromMemory(noImage.data(), noImage.size());
    Bytes bmp;
    try {
        gif.SaveToStream(bmp);
        FAIL() << "rendered a file without images";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds");
    }
    EXPECT_THROW(gif.GetImage(0), Exception);
}

TEST(TGifFile, PaletteComesFromTheLocalTableOverItsCreationDefaults)
{
    // Global table of 16 (flags 0x83); the image has its own 4-entry table (flags 0x81).
    const Bytes gif
        = GifBuilder().Header().Screen(0x83).Colors(16).Image(1, 1, 0x81, 2, literalStream(2, { 3 })).Trailer().Data();
    TGifFile file;
    file.LoadFromMemory(gif.data(), gif.size());
    EXPECT_EQ(file.GetImage(1).LocalColorTable().Count, 4);
    Bytes bmp;
    file.SaveToStream(bmp);
    EXPECT_EQ(bitmapColor(bmp, 3), (Bytes { 3, 6, 252 })); // from the file
    EXPECT_EQ(bitmapColor(bmp, 4), (Bytes { 0, 0, 128 })); // the 16-colour default, entry 4
    EXPECT_EQ(bitmapColor(bmp, 15), (Bytes { 255, 255, 255 }));
    EXPECT_EQ(bitmapColor(bmp, 16), (Bytes { 0, 0, 0 }));

    // A global table of 16 without a local one: the grey ramp from entry 16 on.
    const Bytes global
        = GifBuilder().Header().Screen(0x83).Colors(16).Image(1, 1, 0, 2, literalStream(2, { 3 })).Trailer().Data();
    file.LoadFromMemory(global.data(), global.size());
    file.SaveToStream(bmp);
    EXPECT_EQ(bitmapColor(bmp, 15), (Bytes { 15, 30, 240 }));
    EXPECT_EQ(bitmapColor(bmp, 16), (Bytes { 16, 16, 16 }));
}

TEST(TGifFile, ExtensionsAreSkippedWhereverTheyStand)
{
    GifBuilder gif;
    gif.Header().Screen(0x80).Colors(2);
    gif.Raw({ '!', 0xFE, 3, 'h', 'i', '!', 0 }); // comment: one sub-block, terminator
    gif.Raw({ '!', 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0 }); // application
    gif.Raw({ '!', 0xF9, 4, 0x01, 0, 0, 1, 0 }); // graphic control, transparent index 1: ignored
    gif.Image(2, 1, 0, 2, literalStream(2, { 1, 0 }));
    gif.Raw({ '!', 0x01, 12, 0, 0, 0, 0, 8, 0, 8, 0, 8, 8, 0, 1, 2, 'o', 'k', 0 }); // plain text
    gif.Image(1, 1, 0, 2, literalStream(2, { 1 }));
    gif.Trailer();
    TGifFile file;
    file.LoadFromMemory(gif.Data().data(), gif.Data().size());
    ASSERT_EQ(file.ImageCount(), 2);
    EXPECT_EQ(rowOf(file.GetImage(1), 1), (Bytes { 1, 0 }));

    Bytes unknown = GifBuilder().Header().Screen(0x80).Colors(2).Raw({ '!', 0x2A, 0 }).Trailer().Data();
    EXPECT_EQ(loadFailure(unknown), "Unrecognized extension block.\r\nCode = $2A");
}

TEST(TGifFile, EveryFrameIsDecodedAndOnlyTheFirstIsRendered)
{
    GifBuilder frames;
    frames.Header().Screen(0x80).Colors(2);
    frames.Image(3, 1, 0, 2, literalStream(2, { 1, 1, 0 }));
    frames.Image(1, 2, 0, 2, literalStream(2, { 0, 1 }));
    TGifFile gif;
    Bytes good = GifBuilder(frames).Trailer().Data();
    gif.LoadFromMemory(good.data(), good.size());
    ASSERT_EQ(gif.ImageCount(), 2);
    EXPECT_EQ(rowOf(gif.GetImage(2), 2), (Bytes { 1 }));
    Bytes bmp;
    gif.SaveToStream(bmp);
    EXPECT_EQ(longAt(bmp, 18), 3u);
    EXPECT_EQ(longAt(bmp, 22), 1u);

    Bytes badLater = GifBuilder(frames).Image(1, 1, 0, 2, CodeWriter(2).Clear().End().Data()).Trailer().Data();
    EXPECT_EQ(loadFailure(badLater), "Bad code");
}

TEST(TGifFile, InterlacedImagesAreDeinterlaced)
{
    // Height 3: data rows go to image rows 0, 2, 1.
    const Bytes gif = GifBuilder()
                          .Header()
                          .Screen(0x80)
                          .Colors(2)
                          .Image(2, 3, 0x40, 2, literalStream(2, { 0, 0, 1, 1, 0, 1 }))
                          .Trailer()
                          .Data();
    TGifFile file;
    file.LoadFromMemory(gif.data(), gif.size());
    EXPECT_EQ(rowOf(file.GetImage(1), 1), (Bytes { 0, 0 }));
    EXPECT_EQ(rowOf(file.GetImage(1), 2), (Bytes { 0, 1 }));
    EXPECT_EQ(rowOf(file.GetImage(1), 3), (Bytes { 1, 1 }));
}

TEST(TGifFile, StructuralFaultsFailWithTheirMessages)
{
    const auto start = GifBuilder().Header().Screen(0x80).Colors(2);
    EXPECT_EQ(loadFailure(GifBuilder(start).Data()), "Read beyond end of file"); // no trailer
    EXPECT_EQ(loadFailure(Bytes(TwoByTwo.begin(), TwoByTwo.begin() + 20)), "Read beyond end of file");
    // A stray byte where a block should begin ends the load instead of being read again and again.
    EXPECT_EQ(loadFailure(GifBuilder(start).Raw({ 0x00, ';' }).Data()), "Unrecognized block.\r\nCode = $00");
    EXPECT_EQ(
        loadFailure(GifBuilder(start).Image(2, 2, 0, 12, literalStream(2, { 0 })).Trailer().Data()), "Bad code Size");
    // More rows than the image holds, and any pixel of an image without columns.
    EXPECT_EQ(loadFailure(GifBuilder(start).Image(1, 1, 0, 2, literalStream(2, { 1, 1 })).Trailer().Data()),
        "Dynamic array index out of bounds");
    EXPECT_EQ(loadFailure(GifBuilder(start).Image(0, 3, 0, 2, literalStream(2, { 1 })).Trailer().Data()),
        "Dynamic array index out of bounds");
    // Data ending before their end code.
    Bytes cut = literalStream(2, { 1, 0, 1, 0 });
    cut.pop_back();
    EXPECT_EQ(
        loadFailure(GifBuilder(start).Image(4, 1, 0, 2, cut).Trailer().Data()), "No data while more was expected");
}

TEST(TGifFile, PixelsFewerThanTheImageLeaveZeroRows)
{
    const Bytes gif = GifBuilder()
                          .Header()
                          .Screen(0x80)
                          .Colors(2)
                          .Image(2, 3, 0, 2, literalStream(2, { 1, 1, 1 }))
                          .Trailer()
                          .Data();
    TGifFile file;
    file.LoadFromMemory(gif.data(), gif.size());
    EXPECT_EQ(rowOf(file.GetImage(1), 1), (Bytes { 1, 1 }));
    EXPECT_EQ(rowOf(file.GetImage(1), 2), (Bytes { 0, 0 })); // the incomplete row is dropped
    EXPECT_EQ(rowOf(file.GetImage(1), 3), (Bytes { 0, 0 }));
}

TEST(TGifFile, PicturesBeyondTheFileLimitNameTheLimitNotAFailedAllocation)
{
    const Bytes empty = CodeWriter(2).End().Data();
    const Bytes huge = GifBuilder().Header().Screen(0x80).Colors(2).Image(65535, 65535, 0, 2, empty).Trailer().Data();
    EXPECT_EQ(loadFailure(huge),
        "GIF file too large: its images may take 1024 MB together\r\n an image of 65535 x 65535 pixels would bring "
        "them to 4294836225 bytes");

    // Each frame alone would fit; the fifth brings them above the limit.
    GifBuilder frames;
    frames.Header().Screen(0x80).Colors(2);
    for (int i = 0; i < 8; ++i)
        frames.Image(16384, 16384, 0, 2, empty);
    EXPECT_EQ(loadFailure(frames.Trailer().Data()),
        "GIF file too large: its images may take 1024 MB together\r\n an image of 16384 x 16384 pixels would bring "
        "them to 1342177280 bytes");
}
