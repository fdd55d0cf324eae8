#include "cycle/PosixSystem.h"

#include "cycle/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

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
