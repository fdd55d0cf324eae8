#include "panels/logo/LogoBitmap.h"

#include "BitmapBytes.h"
#include "cycle/Exception.h"
#include "cycle/TemporaryFolder.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// The picture toolkit's reading of the same file is the reference for every pixel.
void expectDecodedAsTheToolkitDoes(const std::string& bytes, const std::string& what)
{
    TemporaryFolder folder;
    folder.write("x.bmp", bytes);
    QImage reference(QString::fromStdString(folder.file("x.bmp")), "BMP");
    ASSERT_FALSE(reference.isNull()) << what;
    LogoBitmap picture = readLogoBitmap(folder.file("x.bmp"));
    ASSERT_EQ(picture.width, reference.width()) << what;
    ASSERT_EQ(picture.height, reference.height()) << what;
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            wrong += picture.colourAt(x, y) != (reference.pixel(x, y) & 0xffffff);
    EXPECT_EQ(wrong, 0) << what;
}

// A 4-bit run-length picture of 6 x 3: a run of alternating indices, a jump, uncoded pixels.
// Pixels the jump passes over stay index 0.
std::string runLengths4()
{
    std::string bytes = bitmapBytes({ .width = 6, .height = 3, .bits = 4, .colours = 16 });
    std::string pixels("\x06\x12\0\0" // bottom row: 1 2 1 2 1 2
                       "\x02\x34\0\x02\x01\x01" // 3 4, then a pixel right and a row up
                       "\0\x03\x56\x70\0\x01", // top row from x 3, uncoded: 5 6 7, end
        16);
    bytes.resize(14 + 40 + 64);
    bytes[30] = 2; // RLE4
    return bytes + pixels;
}

std::string withField(std::string bytes, std::size_t at, long long value, int count)
{
    std::string field;
    appendLittleEndian(field, value, count);
    return bytes.replace(at, static_cast<std::size_t>(count), field);
}

} // namespace

TEST(LogoBitmap, DecodesEveryDepthAndRowOrderAsTheToolkitDoes)
{
    const std::pair<const char*, BitmapShape> shapes[] = {
        { "8 bits", { .width = 37, .height = 11 } },
        { "8 bits, short table", { .width = 37, .height = 11, .colours = 16 } },
        { "top-down", { .width = 37, .height = 11, .topDown = true } },
        { "RLE8", { .width = 40, .height = 11, .runLengths = true } },
        { "4 bits", { .width = 37, .height = 11, .bits = 4, .colours = 16 } },
        { "1 bit", { .width = 37, .height = 11, .bits = 1, .colours = 2 } },
        { "24 bits", { .width = 37, .height = 11, .bits = 24 } },
        { "32 bits", { .width = 37, .height = 11, .bits = 32 } },
    };
    for (const auto& [what, shape] : shapes)
        expectDecodedAsTheToolkitDoes(bitmapBytes(shape), what);
    // 5-6-5 bit fields behind the 40-byte header.
    std::string sixteen = withField(bitmapBytes({ .width = 4, .height = 2, .bits = 24 }), 28, 16, 2);
    sixteen = withField(withField(sixteen, 30, 3, 4), 10, 14 + 40 + 12, 4);
    sixteen.replace(54, 0, std::string("\0\xf8\0\0\xe0\x07\0\0\x1f\0\0\0", 12));
    expectDecodedAsTheToolkitDoes(sixteen, "16 bits");
}

TEST(LogoBitmap, RunLengthsOfFourBitsAlternateJumpAndPad)
{
    TemporaryFolder folder;
    folder.write("x.bmp", runLengths4());
    LogoBitmap picture = readLogoBitmap(folder.file("x.bmp"));
    EXPECT_EQ(picture.indices, (std::vector<std::uint8_t> { 0, 0, 0, 5, 6, 7, 3, 4, 0, 0, 0, 0, 1, 2, 1, 2, 1, 2 }));
}

TEST(LogoBitmap, WritesItsOwnDepthAndTableBackUnchanged)
{
    TemporaryFolder folder;
    for (const BitmapShape& shape :
        { BitmapShape { .width = 37, .height = 11 }, BitmapShape { .width = 37, .height = 11, .colours = 16 },
            BitmapShape { .width = 37, .height = 11, .bits = 4, .colours = 16 },
            BitmapShape { .width = 37, .height = 11, .bits = 1, .colours = 2 },
            BitmapShape { .width = 37, .height = 11, .bits = 24 } }) {
        folder.write("x.bmp", bitmapBytes(shape));
        EXPECT_EQ(bitmapFileBytes(readLogoBitmap(folder.file("x.bmp"))), bitmapBytes(shape)) << shape.bits;
    }
}

TEST(LogoBitmap, DamagedHeadersAndCutPicturesAreNoBitmap)
{
    const std::string good = bitmapBytes({ .width = 8, .height = 2 });
    const std::string runs = bitmapBytes({ .width = 16, .height = 2, .runLengths = true });
    const std::pair<const char*, std::string> damaged[] = {
        { "2 bits", withField(good, 28, 2, 2) },
        { "RLE8 at 4 bits", withField(withField(good, 28, 4, 2), 30, 1, 4) },
        { "top-down RLE8", withField(withField(good, 30, 1, 4), 22, -2, 4) },
        { "zero width", withField(good, 18, 0, 4) },
        { "table beyond the file", withField(good, 46, 256, 4).substr(0, 14 + 40 + 100) },
        { "more colours than 8 bits hold", withField(good, 46, 257, 4) },
        { "pixels beyond the file", withField(good, 10, 100000, 4) },
        { "short header", good.substr(0, 20) },
        { "last row cut", good.substr(0, good.size() - 1) },
        { "runs cut before the last row", runs.substr(0, runs.size() - 6) },
        { "32 bits over 23000 x 23000 in 1 kB",
            withField(withField(withField(good, 28, 32, 2), 18, 23000, 4), 22, 23000, 4) },
    };
    TemporaryFolder folder;
    for (const auto& [what, bytes] : damaged) {
        folder.write("x.bmp", bytes);
        try {
            readLogoBitmap(folder.file("x.bmp"));
            ADD_FAILURE() << what;
        } catch (const Exception& error) {
            EXPECT_STREQ(error.what(), "Bitmap image is not valid") << what;
        }
    }
}
