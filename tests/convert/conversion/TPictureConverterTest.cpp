#include "convert/conversion/TPictureConverter.h"

#include "GifBytes.h"
#include "convert/gif/TGifFile.h"
#include "convert/gif/TGifProgress.h"
#include "convert/jpeg/EFOpenError.h"
#include "convert/jpeg/JpegFixture.h"
#include "convert/jpeg/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class ConverterTest : public ::testing::Test {
protected:
    std::string jpeg(const std::string& name, JpegRecipe recipe = {})
    {
        writeBytes(folder.file(name), makeJpeg(recipe));
        return folder.file(name);
    }
    std::string file(const std::string& name, const std::vector<unsigned char>& bytes)
    {
        writeBytes(folder.file(name), bytes);
        return folder.file(name);
    }
    template <typename Action> std::string failureOf(Action action)
    {
        try {
            action();
        } catch (const std::exception& error) {
            return error.what();
        }
        return "no failure";
    }
    void expectBox(int width, int height) { EXPECT_EQ(converter.PreviewBox(), (TPreviewBox { 8, 96, width, height })); }

    TempFolder folder;
    TPictureConverter converter;
};

TPictureConverter::ChooseFile choose(std::string path)
{
    return [path] { return std::optional<std::string>(path); };
}

std::optional<std::string> cancel()
{
    return std::nullopt;
}

// Presses buttons from inside the GIF decoder's event processing, as a user could.
class ImpatientUser : public TGifProgress {
public:
    void RowDecoded() override
    {
        ++rows;
        auto chooser = [this] {
            ++dialogs;
            return std::optional<std::string>();
        };
        ignored += !converter->Load(chooser);
        ignored += !converter->Save(chooser);
        ignored += !converter->Exit();
        shownName = converter->FileName();
    }

    TPictureConverter* converter = nullptr;
    int rows = 0;
    int ignored = 0;
    int dialogs = 0;
    std::string shownName;
};

} // namespace

TEST_F(ConverterTest, loadingAJpegShowsItInAFittedBox)
{
    std::string path = jpeg("Photo.JPG", { .width = 192, .height = 256 });
    EXPECT_TRUE(converter.Load(choose(path)));
    EXPECT_EQ(converter.FileName(), path);
    expectBox(112, 150);
    EXPECT_EQ(converter.PictureWidth(), 192);
    EXPECT_EQ(converter.PictureHeight(), 256);
    EXPECT_EQ(converter.Preview().width, 112);
    EXPECT_EQ(converter.Preview().height, 150);
}

TEST_F(ConverterTest, aHugeGifPreviewsAtTheBoxSize)
{
    std::string path = file("huge.gif", redOverBlueGif(10000, 10000));
    ASSERT_EQ(converter.loadFile(path), TPictureKind::Gif);
    expectBox(150, 150);
    const TPreviewPicture& preview = converter.Preview();
    ASSERT_EQ(preview.width, 150);
    ASSERT_EQ(preview.height, 150);
    EXPECT_EQ(preview.pixels.front(), 0xFFFF0000u);
    EXPECT_EQ(preview.pixels[74 * 150 + 149], 0xFFFF0000u);
    EXPECT_EQ(preview.pixels[76 * 150], 0xFF0000FFu);
    EXPECT_EQ(preview.pixels.back(), 0xFF0000FFu);

    unsigned changes = converter.PictureChanges();
    converter.loadFile(folder.file("notes.txt"));
    EXPECT_EQ(converter.PictureChanges(), changes) << "a skipped load keeps the preview";
}

TEST_F(ConverterTest, cancelledDialogChangesNothing)
{
    std::string path = jpeg("a.jpg", { .width = 40, .height = 30 });
    converter.loadFile(path);
    EXPECT_TRUE(converter.Load(cancel));
    EXPECT_EQ(converter.FileName(), path);
    expectBox(40, 30);
}

TEST_F(ConverterTest, unknownExtensionKeepsThePictureButShowsTheNewPath)
{
    converter.loadFile(jpeg("a.jpeg", { .width = 300, .height = 200 }));
    std::vector<unsigned char> before = converter.pic().Picture();
    for (std::string name : { "b.bmp", "c.jpe", "noextension", "pics.jpg/photo" }) {
        std::string path = folder.file(name);
        EXPECT_EQ(converter.loadFile(path), TPictureKind::Unknown);
        EXPECT_EQ(converter.FileName(), path);
        EXPECT_TRUE(converter.pic().Picture() == before);
        expectBox(150, 100);
    }
}

TEST_F(ConverterTest, unknownExtensionBeforeAnyPictureLeavesTheFullBox)
{
    EXPECT_EQ(converter.loadFile("/tmp/readme.txt"), TPictureKind::Unknown);
    EXPECT_FALSE(converter.HasPicture());
    expectBox(150, 150);
}

TEST_F(ConverterTest, failedJpegLoadKeepsThePictureInTheFullBox)
{
    converter.loadFile(jpeg("a.jpg", { .width = 60, .height = 20 }));
    std::vector<unsigned char> before = converter.pic().Picture();
    std::string missing = folder.file("missing.jpg");
    EXPECT_EQ(failureOf([&] { converter.loadFile(missing); }), "Cannot open file " + missing);
    EXPECT_EQ(converter.FileName(), missing);
    expectBox(150, 150);
    EXPECT_TRUE(converter.pic().Picture() == before);

    std::vector<unsigned char> cmyk = makeJpeg({ .colors = JpegRecipe::Cmyk });
    EXPECT_EQ(failureOf([&] { converter.loadFile(file("cmyk.jpg", cmyk)); }), "BMP output must be grayscale or RGB");
    EXPECT_TRUE(converter.pic().Picture() == before);
    EXPECT_FALSE(converter.Busy());
}

TEST_F(ConverterTest, gifIsDecodedByTheGifDecoder)
{
    std::string path = file("Anim.Gif", twoPixelGif());
    EXPECT_EQ(converter.loadFile(path), TPictureKind::Gif);
    expectBox(2, 1);
    TGifFile gif;
    gif.LoadFromFile(path);
    std::vector<std::uint8_t> expected;
    gif.SaveToStream(expected);
    EXPECT_TRUE(converter.pic().Picture() == expected);
}

TEST_F(ConverterTest, failedGifLoadKeepsThePicture)
{
    converter.loadFile(jpeg("a.jpg", { .width = 60, .height = 20 }));
    std::vector<unsigned char> before = converter.pic().Picture();
    std::vector<unsigned char> badVersion = twoPixelGif();
    badVersion[4] = '8';
    EXPECT_EQ(failureOf([&] { converter.loadFile(file("bad.gif", badVersion)); }), "Gif Version must be 87a or 89a");
    EXPECT_TRUE(converter.pic().Picture() == before);
    expectBox(150, 150);
}

TEST_F(ConverterTest, gifWithoutImageEmptiesThePreviewAndSavesNothing)
{
    converter.loadFile(jpeg("a.jpg"));
    EXPECT_EQ(failureOf([&] { converter.loadFile(file("empty.gif", gifWithoutImage())); }), "List index out of bounds");
    EXPECT_FALSE(converter.HasPicture());
    expectBox(150, 150);
    std::string out = folder.file("out.bmp");
    EXPECT_TRUE(converter.Save(choose(out)));
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ConverterTest, saveWritesTheHeldBitmapAndReplacesAnOldFile)
{
    std::string out = folder.file("out.bmp");
    EXPECT_TRUE(converter.Save(choose(out)));
    EXPECT_FALSE(std::filesystem::exists(out)) << "nothing is written before a picture is loaded";

    converter.loadFile(jpeg("a.jpg"));
    EXPECT_TRUE(converter.Save(choose(out)));
    EXPECT_TRUE(readBytes(out) == converter.pic().Picture());
    converter.loadFile(jpeg("b.jpg", { .width = 10, .height = 10 }));
    EXPECT_TRUE(converter.Save(choose(out)));
    EXPECT_TRUE(readBytes(out) == converter.pic().Picture());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 3) << "no temporary file is left";
}

TEST_F(ConverterTest, failedSaveLeavesNoFile)
{
    converter.loadFile(jpeg("a.jpg"));
    std::string out = folder.file("missing folder/out.bmp");
    EXPECT_EQ(failureOf([&] { converter.saveFile(out); }), "Cannot create file " + out);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_FALSE(converter.Busy());
}

TEST_F(ConverterTest, buttonsPressedDuringAGifLoadAreIgnored)
{
    ImpatientUser user;
    TPictureConverter gifConverter(&user);
    user.converter = &gifConverter;
    std::string path = file("a.gif", twoPixelGif());
    EXPECT_TRUE(gifConverter.Load(choose(path)));
    EXPECT_GT(user.rows, 0);
    EXPECT_EQ(user.ignored, 3 * user.rows);
    EXPECT_EQ(user.dialogs, 0);
    EXPECT_EQ(user.shownName, path) << "the path is shown while the picture loads";
    EXPECT_TRUE(gifConverter.HasPicture());
    EXPECT_TRUE(gifConverter.Exit());
}

TEST_F(ConverterTest, theGuardIsReleasedAfterAFailedLoad)
{
    EXPECT_NE(failureOf([&] { converter.Load(choose(folder.file("missing.gif"))); }), "no failure");
    EXPECT_FALSE(converter.Busy());
    EXPECT_TRUE(converter.Load(choose(jpeg("a.jpg"))));
    EXPECT_TRUE(converter.HasPicture());
}
