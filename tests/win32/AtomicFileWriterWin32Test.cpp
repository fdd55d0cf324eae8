#include "cycle/AtomicFile.h"
#include "cycle/AtomicFileWriter.h"
#include "cycle/Exception.h"
#include "cycle/StaleTemporaries.h"
#include "win32/Win32Folder.h"

#include <gtest/gtest.h>

namespace {

DWORD attributesOf(const std::string& path)
{
    return GetFileAttributesA(path.c_str());
}

TEST(AtomicFileWriterWin32, ReplacesAFileWholeAndLeavesNothingBeside)
{
    Win32Folder folder;
    folder.write("win.ini", "[Desktop]\r\nWallpaper=old\r\n");
    writeFileAtomically(folder.file("win.ini"), "[Desktop]\r\nWallpaper=new\r\n\n");
    EXPECT_EQ(folder.read("win.ini"), "[Desktop]\r\nWallpaper=new\r\n\n");
    EXPECT_EQ(folder.names(), "win.ini");

    writeFileAtomically(folder.file("fresh.cfg"), "t\r\n1\r\n");
    EXPECT_EQ(folder.read("fresh.cfg"), "t\r\n1\r\n");
}

TEST(AtomicFileWriterWin32, AHiddenFileIsReplacedAndStaysHidden)
{
    Win32Folder folder;
    folder.write("logo.sys", "old logo");
    ASSERT_TRUE(SetFileAttributesA(folder.file("logo.sys").c_str(), FILE_ATTRIBUTE_HIDDEN));
    writeFileAtomically(folder.file("logo.sys"), "new logo");
    EXPECT_EQ(folder.read("logo.sys"), "new logo");
    EXPECT_TRUE(attributesOf(folder.file("logo.sys")) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(folder.names(), "logo.sys");
}

TEST(AtomicFileWriterWin32, AReadOnlyFileOrAFolderIsRefusedAndKept)
{
    Win32Folder folder;
    folder.write("system.ini", "[boot]\r\n");
    ASSERT_TRUE(SetFileAttributesA(folder.file("system.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    try {
        writeFileAtomically(folder.file("system.ini"), "lost");
        FAIL() << "a read-only file was replaced";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + folder.file("system.ini"));
    }
    EXPECT_EQ(folder.read("system.ini"), "[boot]\r\n");

    ASSERT_TRUE(CreateDirectoryA(folder.file("sub").c_str(), nullptr));
    EXPECT_THROW(writeFileAtomically(folder.file("sub"), "x"), Exception);
    EXPECT_THROW(writeFileAtomically(folder.file("missing\\x.cfg"), "x"), Exception);
    EXPECT_EQ(folder.names(), "sub system.ini");
}

TEST(AtomicFileWriterWin32, ADroppedWriterLeavesTheTargetAsItWas)
{
    Win32Folder folder;
    folder.write("murello.dat", "C:\\one.bmp\r\n");
    {
        AtomicFileWriter writer(folder.file("murello.dat"));
        writer.write("half");
        writer.sync();
    }
    EXPECT_EQ(folder.read("murello.dat"), "C:\\one.bmp\r\n");
    EXPECT_EQ(folder.names(), "murello.dat");
}

TEST(AtomicFileWriterWin32, TemporariesOfEndedProcessesAreRemovedOthersKept)
{
    Win32Folder folder;
    folder.write("win.ini", "x");
    // An id no running process has: Windows gives out multiples of four only.
    const std::string stale = temporaryFileName("win.ini", 4093, 0);
    const std::string mine = temporaryFileName("win.ini", static_cast<pid_t>(GetCurrentProcessId()), 7);
    folder.write(stale, "left by a killed write");
    folder.write(mine, "being written");
    folder.write(".notes.txt", "the user's");
    writeFileAtomically(folder.file("win.ini"), "y");
    EXPECT_EQ(folder.names(), ".notes.txt " + mine + " win.ini");
}

} // namespace
