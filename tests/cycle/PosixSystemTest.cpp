#include "cycle/PosixSystem.h"

#include "cycle/TemporaryFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

TEST(PosixSystem, ProgramDirectoryIsTheFolderOfThisProgram)
{
    std::string folder = PosixSystem().programDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "test_posix_system"));
}

TEST(PosixSystem, FileServicesWithoutDosNames)
{
    TemporaryFolder folder;
    PosixSystem system;
    folder.write("logo.sys", "BM");
    EXPECT_EQ(system.shortPath(folder.file("a long name.scr")), folder.file("a long name.scr"));
    system.setFileAttributes(folder.file("logo.sys"), FileAttributes::Hidden);
    EXPECT_EQ(folder.read("logo.sys"), "BM");
    system.deleteFile(folder.file("logo.sys"));
    system.deleteFile(folder.file("logo.sys"));
    EXPECT_EQ(folder.entryCount(), 0u);
}

TEST(PosixSystem, ReadOnlyIsTheLackOfWritePermission)
{
    struct Case {
        std::filesystem::perms before;
        FileAttributes set;
        std::filesystem::perms after;
    };
    using P = std::filesystem::perms;
    const P readable = P::owner_read | P::group_read | P::others_read;
    const Case cases[] = {
        { readable, FileAttributes::None, readable | P::owner_write },
        { readable, FileAttributes::Hidden, readable | P::owner_write },
        { readable | P::owner_write | P::group_write, FileAttributes::ReadOnly, readable },
        { readable | P::owner_write, FileAttributes::ReadOnly | FileAttributes::Hidden, readable },
        { P::owner_read | P::owner_write | P::group_read, FileAttributes::None,
            P::owner_read | P::owner_write | P::group_read },
    };
    TemporaryFolder folder;
    folder.write("logo.sys", "BM");
    const std::string logo = folder.file("logo.sys");
    for (const Case& c : cases) {
        std::filesystem::permissions(logo, c.before);
        PosixSystem().setFileAttributes(logo, c.set);
        EXPECT_EQ(std::filesystem::status(logo).permissions(), c.after) << static_cast<unsigned>(c.set);
    }
}

namespace {

// Waits for a detached program to leave its mark; generous, since the machine may be busy.
bool appears(const std::string& path)
{
    for (int i = 0; i < 1000 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return std::filesystem::exists(path);
}

} // namespace

TEST(PosixSystem, RunsAWholeLineThatNamesAProgramOrSplitsItIntoWords)
{
    TemporaryFolder folder;
    const std::string script = folder.file("My Savers/blank screen.scr");
    std::filesystem::create_directory(folder.file("My Savers"));
    folder.write("My Savers/blank screen.scr", "#!/bin/sh\ntouch \"$(dirname \"$0\")/../options shown\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);

    PosixSystem system;
    system.runProgram(script);
    EXPECT_TRUE(appears(folder.file("options shown")));

    // Words are grouped by double quotes, as on a Windows command line.
    system.runProgram("touch \"" + folder.file("second mark") + "\"");
    EXPECT_TRUE(appears(folder.file("second mark")));
}
