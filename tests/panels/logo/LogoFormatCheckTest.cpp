#include "panels/logo/LogoFormatCheck.h"

#include "BitmapBytes.h"
#include "cycle/Exception.h"
#include "cycle/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string outcome(const std::string& path)
{
    try {
        std::optional<std::string> refusal = checkLogoFile(path);
        return refusal ? "refused" : "passes";
    } catch (const Exception& error) {
        return error.what();
    }
}

struct Case {
    const char* what;
    std::string bytes;
    const char* expected;
};

// An 8-bit 320 x 400 file cut or padded to `size` bytes; the toolkit decodes what is there.
std::string eightBitOfSize(std::size_t size)
{
    std::string bytes = bitmapBytes({});
    bytes.resize(size, '\0');
    return bytes;
}

} // namespace

TEST(LogoFormatCheck, OnlyA320By400PictureInsideTheSizeWindowPasses)
{
    std::string hugeClaim = bitmapBytes({ .width = 40, .height = 40 });
    hugeClaim[19] = hugeClaim[23] = '\x7f'; // 32,552 x 32,552 pixels in a file of 2.7 kB
    const Case cases[] = {
        { "256 colours", bitmapBytes({}), "passes" },
        { "16 colours", bitmapBytes({ .bits = 4, .colours = 16 }), "refused" },
        { "2 colours", bitmapBytes({ .bits = 1, .colours = 2 }), "refused" },
        { "true colour", bitmapBytes({ .bits = 24 }), "refused" },
        { "32 bits", bitmapBytes({ .bits = 32 }), "refused" },
        { "8 bits, short table", bitmapBytes({ .colours = 16 }), "passes" },
        { "top-down", bitmapBytes({ .topDown = true }), "passes" },
        { "run lengths", bitmapBytes({ .runLengths = true }), "refused" },
        { "400 x 320", bitmapBytes({ .width = 400, .height = 320 }), "refused" },
        { "320 x 401", bitmapBytes({ .height = 401 }), "refused" },
        { "exactly 120000 bytes", eightBitOfSize(120000), "refused" },
        { "120001 bytes", eightBitOfSize(120001), "passes" },
        { "139999 bytes", eightBitOfSize(139999), "passes" },
        { "exactly 140000 bytes", eightBitOfSize(140000), "refused" },
        { "no bitmap", std::string(129078, 'x'), "Bitmap image is not valid" },
        { "empty", "", "Bitmap image is not valid" },
        { "huge size claimed", hugeClaim, "Bitmap image is not valid" },
    };
    TemporaryFolder folder;
    for (const Case& c : cases) {
        folder.write("logo.bmp", c.bytes);
        EXPECT_EQ(outcome(folder.file("logo.bmp")), c.expected) << c.what;
    }
}

TEST(LogoFormatCheck, TheRefusalNamesTheFileAsChosen)
{
    TemporaryFolder folder;
    folder.write("wide.BMP", bitmapBytes({ .width = 640, .height = 480 }));
    EXPECT_EQ(checkLogoFile(folder.file("wide.BMP")),
        "Illegal bitmap: " + folder.file("wide.BMP") + " must be 320x400 and 256 colors (8 bit).");
}

TEST(LogoFormatCheck, FilesThatCantBeMeasuredOrLoadedThrowTheirOwnError)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.file("folder.bmp"));
    folder.write("logo.png", bitmapBytes({}));
    EXPECT_EQ(outcome(folder.file("missing.bmp")), "Cannot open file " + folder.file("missing.bmp"));
    EXPECT_EQ(outcome(folder.file("folder.bmp")), "Cannot open file " + folder.file("folder.bmp"));
    EXPECT_EQ(outcome(folder.file("logo.png")), "Unknown picture file extension (.png)");
}
