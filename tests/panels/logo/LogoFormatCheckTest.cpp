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

// A 320 x 400 file cut or padded to `size` bytes; padding after a run-length picture's end is
// never read.
std::string ofSize(std::size_t size, const BitmapShape& shape = {})
{
    std::string bytes = bitmapBytes(shape);
    bytes.resize(size, '\0');
    return bytes;
}

// A run-length file of 1 kB whose header claims `width` x `height`.
std::string runLengthsClaiming(int width, int height)
{
    std::string bytes = bitmapBytes({ .width = 8, .height = 8, .runLengths = true });
    for (int i = 0; i < 4; ++i) {
        bytes[18 + i] = static_cast<char>((width >> (8 * i)) & 0xff);
        bytes[22 + i] = static_cast<char>((height >> (8 * i)) & 0xff);
    }
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
        { "exactly 120000 bytes", ofSize(120000, { .runLengths = true }), "refused" },
        { "120001 bytes", ofSize(120001, { .runLengths = true }), "passes" },
        { "139999 bytes", ofSize(139999), "passes" },
        { "exactly 140000 bytes", ofSize(140000), "refused" },
        { "16 colours padded into the window", ofSize(130000, { .bits = 4, .colours = 16 }), "refused" },
        { "cut short", ofSize(129078 - 640), "Bitmap image is not valid" },
        { "20000 x 20000 claimed by 1 kB of runs", runLengthsClaiming(20000, 20000), "refused" },
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

TEST(LogoFormatCheck, ABitmapNamedAsABootLogoPassesAndOtherNamesThrowTheirOwnError)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.file("folder.bmp"));
    const std::pair<const char*, std::string> files[] = {
        { "LOGO.SYS", bitmapBytes({}) },
        { "logo.png", bitmapBytes({}) },
        { "IO.SYS", std::string(129078, 'x') },
        { "empty.sys", "" },
    };
    for (const auto& [name, bytes] : files)
        folder.write(name, bytes);
    const std::pair<const char*, std::string> outcomes[] = {
        { "LOGO.SYS", "passes" },
        { "logo.png", "Unknown picture file extension (.png)" },
        { "IO.SYS", "Unknown picture file extension (.SYS)" },
        { "empty.sys", "Unknown picture file extension (.sys)" },
        { "missing.bmp", "Cannot open file " + folder.file("missing.bmp") },
        { "missing.sys", "Cannot open file " + folder.file("missing.sys") },
        { "folder.bmp", "Cannot open file " + folder.file("folder.bmp") },
    };
    for (const auto& [name, expected] : outcomes)
        EXPECT_EQ(outcome(folder.file(name)), expected) << name;
}

TEST(LogoFormatCheck, AHeaderIsReadWithoutDecodingThePicture)
{
    TemporaryFolder folder;
    folder.write("claims.bmp", runLengthsClaiming(20000, 20000));
    LogoBitmapFile file(folder.file("claims.bmp"));
    EXPECT_EQ(file.header().width, 20000);
    EXPECT_EQ(file.header().height, 20000);
    EXPECT_EQ(file.header().bitsPerPixel, 8);
    EXPECT_LT(file.size(), 2000u);
}
