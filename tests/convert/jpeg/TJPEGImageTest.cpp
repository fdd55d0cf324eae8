#include "convert/jpeg/TJPEGImage.h"

#include "JpegFixture.h"
#include "TempFolder.h"
#include "convert/jpeg/EFOpenError.h"
#include "convert/jpeg/EJPEGException.h"
#include "convert/jpeg/TJpegDecoder.h"

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::uint32_t read32(const std::vector<unsigned char>& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// Under Wine the process's descriptors are also Wine's own, which come and go by themselves, so
// the count is only taken where it is the program's alone.
int openFiles()
{
#ifdef _WIN32
    return 0;
#else
    return static_cast<int>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator()));
#endif
}

// Expects the decode of `bytes` to fail with exactly `message`, leaving the earlier picture and
// no open file behind.
void expectFailure(const std::vector<unsigned char>& bytes, const std::string& message)
{
    TempFolder folder;
    writeBytes(folder.file("good.jpg"), makeJpeg({}));
    writeBytes(folder.file("bad.jpg"), bytes);
    TJPEGImage picture;
    picture.setFileName(folder.file("good.jpg"));
    std::vector<unsigned char> before = picture.Picture();
    int progressCalls = 0;
    picture.setOnProgress([&](TJPEGImage&) { ++progressCalls; });
    int filesBefore = openFiles();
    try {
        picture.setFileName(folder.file("bad.jpg"));
        ADD_FAILURE() << "no failure for " << message;
    } catch (const EJPEGException& error) {
        EXPECT_EQ(std::string(error.what()), message);
    }
    EXPECT_EQ(openFiles(), filesBefore);
    EXPECT_TRUE(picture.Picture() == before);
    EXPECT_EQ(picture.FileName(), folder.file("bad.jpg"));
    EXPECT_EQ(progressCalls, 0);
}

} // namespace

TEST(TJPEGImage, defaultsAreTheConvertersOptions)
{
    TJPEGImage picture;
    EXPECT_EQ(picture.NumOfColors(), TNumOfColors::_256);
    EXPECT_EQ(picture.DCTMethod(), TDCTMethod::Integ);
    EXPECT_EQ(picture.Dither(), TDither::FS);
    EXPECT_FALSE(picture.FastProcessing() || picture.GrayScale() || picture.NoSmooth() || picture.OnePass());
    EXPECT_EQ(picture.ProgressStep(), 10);
    EXPECT_TRUE(picture.FileName().empty());
    EXPECT_TRUE(picture.Picture().empty());
}

TEST(TJPEGImage, bitmapHeaderAndTableLayout)
{
    TempFolder folder;
    writeBytes(
        folder.file("a.jpg"), makeJpeg({ .width = 33, .height = 7, .densityUnit = 2, .xDensity = 40, .yDensity = 41 }));
    TJPEGImage picture;
    picture.setFileName(folder.file("a.jpg"));
    const std::vector<unsigned char>& bmp = picture.Picture();
    std::uint32_t rowSize = 36;
    ASSERT_EQ(bmp.size(), 1078 + rowSize * 7);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(read32(bmp, 2), bmp.size());
    EXPECT_EQ(read32(bmp, 6), 0u);
    EXPECT_EQ(read32(bmp, 10), 1078u);
    EXPECT_EQ(read32(bmp, 14), 40u);
    EXPECT_EQ(read32(bmp, 18), 33u);
    EXPECT_EQ(read32(bmp, 22), 7u);
    EXPECT_EQ(read32(bmp, 26), 1u | 8u << 16);
    EXPECT_EQ(read32(bmp, 30), 0u);
    EXPECT_EQ(read32(bmp, 38), 4000u);
    EXPECT_EQ(read32(bmp, 42), 4100u);
    EXPECT_EQ(read32(bmp, 46), 256u);
    EXPECT_EQ(read32(bmp, 50), 0u);
    for (int y = 0; y < 7; ++y)
        for (std::uint32_t pad = 33; pad < rowSize; ++pad)
            EXPECT_EQ(bmp[1078 + y * rowSize + pad], 0) << "row padding must be zero";
}

TEST(TJPEGImage, greyscaleFileGivesItsGreyLevelsAsTable)
{
    TempFolder folder;
    writeBytes(folder.file("g.jpg"), makeJpeg({ .colors = JpegRecipe::Grey, .densityUnit = 1, .xDensity = 300 }));
    TJPEGImage picture;
    picture.setFileName(folder.file("g.jpg"));
    const std::vector<unsigned char>& bmp = picture.Picture();
    EXPECT_EQ(read32(bmp, 38), 0u) << "dots per inch are not converted";
    for (int i = 0; i < 256; ++i) {
        const unsigned char* entry = &bmp[54 + i * 4];
        EXPECT_TRUE(entry[0] == i && entry[1] == i && entry[2] == i && entry[3] == 0) << "entry " << i;
    }
}

TEST(TJPEGImage, sixteenColoursPadTheTableWithZeros)
{
    TempFolder folder;
    writeBytes(folder.file("a.jpg"), makeJpeg({}));
    TJPEGImage picture;
    picture.setNumOfColors(TNumOfColors::_16);
    picture.setFileName(folder.file("a.jpg"));
    const std::vector<unsigned char>& bmp = picture.Picture();
    EXPECT_EQ(read32(bmp, 46), 256u);
    for (std::size_t at = 54 + 16 * 4; at < 1078; ++at)
        ASSERT_EQ(bmp[at], 0) << at;
    for (std::size_t at = 1078; at < bmp.size(); ++at)
        ASSERT_LT(bmp[at], 16) << at;
}

TEST(TJPEGImage, changingAnOptionDecodesTheFileAgain)
{
    TempFolder folder;
    writeBytes(folder.file("a.jpg"), makeJpeg({}));
    TJPEGImage picture;
    picture.setFileName(folder.file("a.jpg"));
    std::vector<unsigned char> colour = picture.Picture();
    picture.setGrayScale(true);
    EXPECT_FALSE(picture.Picture() == colour);
    const std::vector<unsigned char>& grey = picture.Picture();
    EXPECT_EQ(grey[54 + 200 * 4], 200);
    picture.setGrayScale(false);
    EXPECT_TRUE(picture.Picture() == colour);
    picture.setNumOfColors(TNumOfColors::TrueColor);
    EXPECT_EQ(read32(picture.Picture(), 10), 54u);
    EXPECT_EQ(read32(picture.Picture(), 46), 0u);
    EXPECT_EQ(picture.Picture()[28], 24);
}

TEST(TJPEGImage, progressIsReportedAtEachStep)
{
    TempFolder folder;
    writeBytes(folder.file("a.jpg"), makeJpeg({ .width = 40, .height = 250 }));
    TJPEGImage picture;
    std::vector<int> reported;
    picture.setOnProgress([&](TJPEGImage& sender) { reported.push_back(sender.Percent()); });
    picture.setProgressStep(25);
    picture.setFileName(folder.file("a.jpg"));
    EXPECT_EQ(reported, (std::vector<int> { 25, 50, 75, 100 }));
    reported.clear();
    picture.setProgressStep(0);
    picture.setFileName(folder.file("a.jpg"));
    EXPECT_TRUE(reported.empty());
}

TEST(TJPEGImage, failuresCarryLibjpegsTextAndKeepThePreviousPicture)
{
    std::vector<unsigned char> jpeg = makeJpeg({});
    std::vector<unsigned char> truncated(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 2));
    expectFailure(truncated, "Premature end of JPEG file");
    expectFailure({ 'G', 'I', 'F', '8', '9', 'a' }, "Not a JPEG file: starts with 0x47 0x49");
    expectFailure({}, "Empty input file");
    expectFailure(makeJpeg({ .colors = JpegRecipe::Cmyk }), "BMP output must be grayscale or RGB");
    expectFailure(makeJpeg({ .colors = JpegRecipe::Ycck }), "BMP output must be grayscale or RGB");
}

TEST(TJPEGImage, missingFileCannotBeOpened)
{
    TJPEGImage picture;
    try {
        picture.setFileName("/nonexistent/folder/photo.jpg");
        FAIL();
    } catch (const EFOpenError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file /nonexistent/folder/photo.jpg");
    }
    EXPECT_TRUE(picture.Picture().empty());
    TempFolder folder;
    std::filesystem::create_directory(folder.file("album.jpg"));
    EXPECT_THROW(picture.setFileName(folder.file("album.jpg")), EFOpenError);
}

TEST(TJpegDecoder, memoryAndScanBoundsStopCraftedFiles)
{
    std::vector<unsigned char> progressive = makeJpeg({ .width = 800, .height = 600, .progressive = true });
    EXPECT_NO_THROW(TJpegDecoder({}).decodeMemory(progressive.data(), progressive.size()));
    try {
        TJpegDecoder({}, { .maxMemory = 1024L * 1024, .maxScans = 256 })
            .decodeMemory(progressive.data(), progressive.size());
        FAIL();
    } catch (const EJPEGException& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Picture too large", 0), 0u) << error.what();
    }
    try {
        TJpegDecoder({}, { .maxMemory = 512L * 1024 * 1024, .maxScans = 3 })
            .decodeMemory(progressive.data(), progressive.size());
        FAIL();
    } catch (const EJPEGException& error) {
        EXPECT_EQ(std::string(error.what()), "Too many progressive scans in JPEG file (more than 3)");
    }
}

TEST(TJpegDecoder, bitmapLargerThanTheBoundIsRefusedBeforeDecoding)
{
    std::vector<unsigned char> jpeg = makeJpeg({ .width = 2000, .height = 1000, .hSampling = 1, .vSampling = 1 });
    int rows = 0;
    TJpegDecoder decoder({ .OnePass = true }, { .maxMemory = 1000L * 1000, .maxScans = 256 });
    decoder.onRows([&](int, int) { ++rows; });
    EXPECT_THROW(decoder.decodeMemory(jpeg.data(), jpeg.size()), EJPEGException);
    EXPECT_EQ(rows, 0);
}
