#include "cycle/RegistryServices.h"

#include "cycle/Exception.h"
#include "support/MemoryRegistry.h"

#include <gtest/gtest.h>
#include <map>

namespace {

const std::string versionKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

std::string windowsDirectoryWith(RegistryValue value)
{
    MemoryRegistry registry;
    registry.key(RegistryRoot::LocalMachine, versionKey)["SystemRoot"] = value;
    return windowsDirectory(registry);
}

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& error) {
        return error.what();
    }
    return "no exception";
}

} // namespace

TEST(WindowsDirectory, IsTheSystemRootStringOrEmpty)
{
    EXPECT_EQ(windowsDirectoryWith({ RegistryValue::Kind::String, "/m/c/WINDOWS" }), "/m/c/WINDOWS");
    EXPECT_EQ(windowsDirectoryWith({ RegistryValue::Kind::ExpandableString, "%WINDIR%" }), "%WINDIR%");
    EXPECT_EQ(windowsDirectoryWith({ RegistryValue::Kind::String, "" }), "");
    EXPECT_EQ(windowsDirectoryWith({}), "");
    MemoryRegistry noKey;
    noKey.key(RegistryRoot::CurrentUser, versionKey)["SystemRoot"] = { RegistryValue::Kind::String, "/x" };
    EXPECT_EQ(windowsDirectory(noKey), "");
}

TEST(WindowsDirectory, OtherTypesAndUnreadableDataAreErrors)
{
    EXPECT_EQ(messageOf([] {
        windowsDirectoryWith({ RegistryValue::Kind::OtherType, "dword:00000001" });
    }),
        "Invalid data type for 'SystemRoot'");
    EXPECT_EQ(messageOf([] {
        windowsDirectoryWith({ RegistryValue::Kind::Unreadable, "" });
    }),
        "Failed to get data for 'SystemRoot'");
}

TEST(WriteRegistryStrings, WritesInOrderIntoAnExistingKeyOnly)
{
    MemoryRegistry registry;
    registry.key(RegistryRoot::CurrentUser, "\\Control Panel\\Desktop");
    writeRegistryStrings(registry, "\\Control Panel\\Desktop", { { "Wallpaper", "/a.bmp" }, { "TileWallpaper", "0" } });
    EXPECT_EQ(registry.log(), (std::vector<std::string> { "registry Wallpaper=/a.bmp", "registry TileWallpaper=0" }));

    writeRegistryStrings(registry, "\\Control Panel\\Nowhere", { { "Wallpaper", "/b.bmp" } });
    EXPECT_EQ(registry.log().size(), 2u);
}

TEST(WriteRegistryStrings, StopsAtTheFirstRefusedValueKeepingTheEarlierOnes)
{
    MemoryRegistry registry;
    registry.key(RegistryRoot::CurrentUser, "\\Control Panel\\Desktop");
    registry.refused = "TileWallpaper";
    EXPECT_EQ(messageOf([&] {
        writeRegistryStrings(registry, "\\Control Panel\\Desktop",
            { { "Wallpaper", "/a.bmp" }, { "TileWallpaper", "1" }, { "ScreenSaveActive", "1" } });
    }),
        "Failed to set data for 'TileWallpaper'");
    EXPECT_EQ(registry.log(), std::vector<std::string> { "registry Wallpaper=/a.bmp" });
}

TEST(WriteRegistryStringsOfKeys, ARefusedValueIsReportedAndTheOthersStillSet)
{
    MemoryRegistry registry;
    registry.key(RegistryRoot::CurrentUser, "\\A");
    registry.key(RegistryRoot::CurrentUser, "\\B");
    registry.refused = "Bad";
    auto failures = writeRegistryStringsOfKeys(registry,
        { { "\\A", "x", "1" }, { "\\B", "Bad", "2" }, { "\\Missing", "y", "3" }, { "\\A", "Bad", "4" },
            { "\\B", "z", "5" } });
    EXPECT_EQ(failures, (std::vector<std::string> { "Failed to set data for 'Bad'", "Failed to set data for 'Bad'" }));
    EXPECT_EQ(registry.log(), (std::vector<std::string> { "registry x=1", "registry z=5" }));
    EXPECT_EQ(registry.text(RegistryRoot::CurrentUser, "\\B", "z"), "5");
    EXPECT_TRUE(writeRegistryStringsOfKeys(registry, {}).empty());
}
