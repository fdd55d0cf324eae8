#include "GifTestBytes.h"
#include "convert/gif/TGifFile.h"
#include "cycle/Exception.h"

#include <QImage>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
struct RecordedProgress : TGifProgress {
    void BeginLoad() override { events += "B"; }
    void RowDecoded() override { events += "r"; }
    void EndLoad() override { events += "E"; }
    std::string events;
};

class GifFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() / ("zentrel-gif-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string write(const std::string& name, const Bytes& bytes)
    {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path.string();
    }

    std::filesystem::path folder;
};

std::string loadFailure(TGifFile& gif, const std::string& path)
{
    try {
        gif.LoadFromFile(path);
    } catch (const Exception& error) {
        return error.what();
    }
    return "loaded";
}

Bytes threeRows()
{
    return GifBuilder()
        .Header()
        .Screen(0x87)
        .Colors(256)
        .Image(2, 3, 0, 8, literalStream(8, { 10, 20, 30, 40, 50, 60 }))
        .Trailer()
        .Data();
}
} // namespace

TEST_F(GifFolder, LoadsFromAFileAsFromMemory)
{
    // Larger than the reader's buffer, so the file is read in several parts.
    Bytes pixels(300 * 300);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>((i * 7 + i / 300) % 256);
    const Bytes bytes = GifBuilder()
                            .Header()
                            .Screen(0x87)
                            .Colors(256)
                            .Image(300, 300, 0, 8, literalStream(8, pixels))
                            .Trailer()
                            .Data();
    ASSERT_GT(bytes.size(), 64u * 1024);
    TGifFile fromFile;
    fromFile.LoadFromFile(write("big.gif", bytes));
    TGifFile fromMemory;
    fromMemory.LoadFromMemory(bytes.data(), bytes.size());
    Bytes a, b;
    fromFile.SaveToStream(a);
    fromMemory.SaveToStream(b);
    EXPECT_EQ(a, b);
    EXPECT_EQ(fromFile.GetImage(1).Pixels().GetItem(300, 300), pixels.back());
}

TEST_F(GifFolder, FilesThatCannotBeReadGiveThePlatformsMessages)
{
    TGifFile gif;
    EXPECT_EQ(loadFailure(gif, (folder / "missing.gif").string()), "File not found");
    EXPECT_EQ(loadFailure(gif, folder.string()), "File access denied");
    Bytes cut = threeRows();
    cut.resize(cut.size() - 1);
    EXPECT_EQ(loadFailure(gif, write("cut.gif", cut)), "Read beyond end of file");
}

TEST_F(GifFolder, WaitCursorAndEventsAreOfferedAroundEveryLoad)
{
    RecordedProgress progress;
    TGifFile gif;
    gif.SetProgress(&progress);
    gif.LoadFromFile(write("three.gif", threeRows()));
    EXPECT_EQ(progress.events, "BrrrE");

    progress.events.clear();
    EXPECT_EQ(loadFailure(gif, (folder / "missing.gif").string()), "File not found");
    EXPECT_EQ(progress.events, "BE");

    progress.events.clear();
    Bytes bad = threeRows();
    bad[4] = '0'; // version 80a
    EXPECT_EQ(loadFailure(gif, write("bad.gif", bad)), "Gif Version must be 87a or 89a");
    EXPECT_EQ(progress.events, "BE");
}

TEST(TGifFileBitmap, HoldsTheIndicesAndTheBitmapsColours)
{
    const Bytes bytes = threeRows();
    TGifFile gif;
    gif.LoadFromMemory(bytes.data(), bytes.size());
    const QImage bitmap = gif.GetBitmap();
    ASSERT_EQ(bitmap.format(), QImage::Format_Indexed8);
    ASSERT_EQ(bitmap.size(), QSize(2, 3));
    ASSERT_EQ(bitmap.colorCount(), 256);
    EXPECT_EQ(bitmap.pixelIndex(0, 0), 10);
    EXPECT_EQ(bitmap.pixelIndex(1, 2), 60);
    EXPECT_EQ(bitmap.color(60), qRgb(60, 120, 195));

    Bytes bmp;
    gif.SaveToStream(bmp);
    QImage fromStream;
    ASSERT_TRUE(fromStream.loadFromData(bmp.data(), int(bmp.size()), "BMP"));
    EXPECT_EQ(fromStream.convertToFormat(QImage::Format_RGB32), bitmap.convertToFormat(QImage::Format_RGB32));

    TGifFile empty;
    EXPECT_THROW(empty.GetBitmap(), Exception);
}
