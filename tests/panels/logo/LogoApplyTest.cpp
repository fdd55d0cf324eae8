#include "panels/logo/LogoApply.h"

#include "BitmapBytes.h"
#include "RecordingSystem.h"
#include "cycle/Exception.h"
#include "cycle/PosixSystem.h"
#include "cycle/TemporaryFolder.h"
#include "panels/logo/LogoFormatCheck.h"
#include "support/FailureOf.h"
#include "support/MemoryRegistry.h"

#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class LogoFiles : public ::testing::Test {
protected:
    LogoFiles()
    {
        std::filesystem::create_directories(folder.file("c/WINDOWS"));
        registry->setSystemRoot(folder.file("c/WINDOWS"));
    }

    std::string entry(const std::string& name, const BitmapShape& shape)
    {
        folder.write(name, bitmapBytes(shape));
        return folder.file(name);
    }

    TemporaryFolder folder;
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>();
    std::shared_ptr<RecordingSystem> system = std::make_shared<RecordingSystem>();
    LogoApply apply { registry, system };
    const std::string logo = folder.file("c/logo.sys");
};

} // namespace

TEST(LogoPath, TheParentOfTheWindowsDirectoryOrNoneForADirectoryWithoutOne)
{
    EXPECT_EQ(LogoApply::logoPathFor("/home/u/machine/c/WINDOWS"), "/home/u/machine/c/logo.sys");
    EXPECT_EQ(LogoApply::logoPathFor("/mnt/win98/WINDOWS/"), "/mnt/win98/logo.sys");
    EXPECT_EQ(LogoApply::logoPathFor("/WINDOWS"), "/logo.sys");
    EXPECT_EQ(LogoApply::logoPathFor(""), "");
    EXPECT_EQ(LogoApply::logoPathFor("/"), "");
    EXPECT_EQ(LogoApply::logoPathFor("WINDOWS"), "") << "relative to wherever the program runs";
}

TEST_F(LogoFiles, An8BitEntryIsWrittenAs8BitsWithItsOwnTableAndHidden)
{
    for (int colours : { 256, 16 }) {
        system->log.clear();
        std::string source = entry("logo.bmp", { .colours = colours });
        apply.writeLogo(source);

        std::string written = TemporaryFolder::readPath(logo);
        EXPECT_EQ(fieldAt(written, 28, 2), 8) << colours;
        EXPECT_EQ(fieldAt(written, 30, 4), 0) << "uncompressed";
        EXPECT_EQ(fieldAt(written, 46, 4), colours);
        EXPECT_EQ(written.substr(54, 4 * colours), bitmapBytes({ .colours = colours }).substr(54, 4 * colours));
        EXPECT_EQ(written.size(), std::size_t(54 + 4 * colours + 320 * 400));
        EXPECT_EQ(QImage(QString::fromStdString(logo)), QImage(QString::fromStdString(source)));
        folder.write("written.bmp", written);
        EXPECT_EQ(checkLogoFile(folder.file("written.bmp")), std::nullopt) << "the written logo passes the check";
    }
    EXPECT_EQ(system->log, (Log { "none", "hidden" })) << "the second write cleared the first one's attributes";
}

TEST_F(LogoFiles, OtherPassingSourcesAreWrittenUncompressedBottomUp)
{
    std::string runs = bitmapBytes({ .runLengths = true });
    runs.resize(125000, '\0');
    folder.write("runs.bmp", runs);
    for (const std::string& path : { entry("x.bmp", { .topDown = true }), folder.file("runs.bmp") }) {
        apply.writeLogo(path);
        std::string written = TemporaryFolder::readPath(logo);
        EXPECT_EQ(fieldAt(written, 28, 2), 8);
        EXPECT_EQ(fieldAt(written, 30, 4), 0);
        EXPECT_GT(fieldAt(written, 22, 4), 0) << "bottom-up";
        EXPECT_EQ(QImage(QString::fromStdString(logo)).convertToFormat(QImage::Format_RGB32),
            QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32));
    }
}

// A hand-edited list can hold any file; what the format check refuses never becomes the logo.
TEST_F(LogoFiles, AnEntryThatFailsTheFormatCheckIsRefusedWithItsMessage)
{
    std::string cut = bitmapBytes({});
    cut.resize(cut.size() - 3000);
    folder.write("cut.bmp", cut);
    std::string claims = bitmapBytes({ .width = 8, .height = 8, .runLengths = true });
    claims[18] = claims[22] = static_cast<char>(2000 & 0xff);
    claims[19] = claims[23] = static_cast<char>(2000 >> 8);
    folder.write("claims.bmp", claims);
    const std::pair<std::string, std::string> refused[] = {
        { entry("wide.bmp", { .width = 640, .height = 480 }),
            "Illegal bitmap: %s must be 320x400 and 256 colors (8 bit)." },
        { entry("true.bmp", { .bits = 24 }), "Illegal bitmap: %s must be 320x400 and 256 colors (8 bit)." },
        { folder.file("claims.bmp"), "Illegal bitmap: %s must be 320x400 and 256 colors (8 bit)." },
        { folder.file("cut.bmp"), "Bitmap image is not valid" },
    };
    folder.write("c/logo.sys", "the previous logo");
    for (const auto& [path, message] : refused) {
        EXPECT_EQ(failureOf([&] { apply.writeLogo(path); }), formatMessage(message, path));
        EXPECT_EQ(TemporaryFolder::readPath(logo), "the previous logo") << path;
    }
    EXPECT_TRUE(system->log.empty()) << "the old logo is not touched";
}

TEST_F(LogoFiles, AReadOnlyLogoIsReplacedHereAsOnWindows)
{
    LogoApply onThisSystem { registry, std::make_shared<PosixSystem>() };
    folder.write("c/logo.sys", "the previous logo");
    std::filesystem::permissions(logo, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    onThisSystem.writeLogo(entry("good.bmp", {}));
    EXPECT_EQ(fieldAt(TemporaryFolder::readPath(logo), 18, 4), 320);
    EXPECT_TRUE(onThisSystem.restore());
    EXPECT_FALSE(std::filesystem::exists(logo));
}

TEST_F(LogoFiles, ALogoThatCantBeWrittenLeavesThePreviousOneAsItWas)
{
    std::string good = entry("good.bmp", {});
    folder.write("c/logo.sys", "the previous logo");
    std::filesystem::permissions(logo, std::filesystem::perms::owner_read);
    EXPECT_EQ(failureOf([&] { apply.writeLogo(good); }), "Cannot create file " + logo);
    EXPECT_EQ(system->log, (Log { "none", "hidden" })) << "the old file gets its attribute back";
    EXPECT_EQ(TemporaryFolder::readPath(logo), "the previous logo");

    registry->setSystemRoot("");
    EXPECT_EQ(failureOf([&] { apply.writeLogo(good); }),
        "The Windows directory is not known (no SystemRoot is set), so the logo file has no place");
    EXPECT_EQ(TemporaryFolder::readPath(logo), "the previous logo");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("c")), {}), 2) << "no temporary left";

    std::filesystem::remove(logo);
    std::filesystem::create_directory(logo);
    registry->setSystemRoot(folder.file("c/WINDOWS"));
    EXPECT_EQ(failureOf([&] { apply.writeLogo(good); }), "Cannot create file " + logo);
    EXPECT_TRUE(std::filesystem::is_directory(logo));
}

TEST_F(LogoFiles, RestoreRemovesTheLogoFileAndSaysWhetherThereWasOne)
{
    EXPECT_FALSE(apply.restore());
    EXPECT_TRUE(system->log.empty());

    folder.write("c/logo.sys", "logo");
    std::filesystem::permissions(logo, std::filesystem::perms::owner_read);
    EXPECT_TRUE(apply.restore());
    EXPECT_EQ(system->log, (Log { "none", "delete" }));
    EXPECT_FALSE(std::filesystem::exists(logo));
    EXPECT_FALSE(apply.restore());
}
