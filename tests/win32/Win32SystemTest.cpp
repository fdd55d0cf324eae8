#include "cycle/win32/Win32System.h"

#include "win32/Win32Folder.h"

#include <gtest/gtest.h>

namespace {

DWORD attributesOf(const std::string& path)
{
    return GetFileAttributesA(path.c_str());
}

// Waits for a program that was started and not waited for to leave its mark.
bool appears(const std::string& path)
{
    for (int tries = 0; tries < 600; ++tries) {
        if (attributesOf(path) != INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(100);
    }
    return false;
}

TEST(Win32System, TheProgramDirectoryHoldsThisProgramAndEndsInASeparator)
{
    const std::string folder = Win32System().programDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_NE(attributesOf(folder + "zentrel_win32_tests.exe"), INVALID_FILE_ATTRIBUTES) << folder;
}

TEST(Win32System, AShortPathNamesTheSameFileInEightDotThreeParts)
{
    Win32Folder folder;
    ASSERT_TRUE(CreateDirectoryA(folder.file("Screen Savers Of Mine").c_str(), nullptr));
    const std::string longPath = folder.file("Screen Savers Of Mine\\Flying Windows Deluxe.scr");
    Win32Folder::writePath(longPath, "MZ saver");

    const std::string shortPath = Win32System().shortPath(longPath);
    EXPECT_NE(shortPath, longPath);
    EXPECT_LE(shortPath.size(), 255u);
    EXPECT_EQ(Win32Folder::readPath(shortPath), "MZ saver");
    const std::string name = shortPath.substr(shortPath.rfind('\\') + 1);
    EXPECT_EQ(name.find(' '), std::string::npos) << shortPath;
    EXPECT_LE(name.size(), 12u) << shortPath;
    EXPECT_TRUE(name.ends_with(".SCR") || name.ends_with(".scr")) << shortPath;

    // A file that is not there has no short form: the path comes back as it was.
    const std::string missing = folder.file("Screen Savers Of Mine\\Not There At All.scr");
    EXPECT_EQ(Win32System().shortPath(missing), missing);
}

TEST(Win32System, HidesShowsAndDeletesAFile)
{
    Win32Folder folder;
    folder.write("logo.sys", "BM");
    Win32System system;
    system.setFileAttributes(folder.file("logo.sys"), FileAttributes::Hidden);
    EXPECT_EQ(attributesOf(folder.file("logo.sys")) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY),
        DWORD(FILE_ATTRIBUTE_HIDDEN));
    system.setFileAttributes(folder.file("logo.sys"), FileAttributes::None);
    EXPECT_EQ(attributesOf(folder.file("logo.sys")) & FILE_ATTRIBUTE_HIDDEN, 0u);
    system.deleteFile(folder.file("logo.sys"));
    EXPECT_EQ(attributesOf(folder.file("logo.sys")), INVALID_FILE_ATTRIBUTES);
    // Neither a missing file nor a second deletion is an error.
    system.deleteFile(folder.file("logo.sys"));
    system.setFileAttributes(folder.file("logo.sys"), FileAttributes::Hidden);
}

TEST(Win32System, StartsACommandLineAndAShellVerbWithoutWaiting)
{
    Win32Folder folder;
    Win32System system;
    system.runProgram("cmd.exe /c echo ran> \"" + folder.file("ran by WinExec.txt") + "\"");
    EXPECT_TRUE(appears(folder.file("ran by WinExec.txt")));

    folder.write("mark.bat", "@echo opened> \"" + folder.file("opened by the shell.txt") + "\"\r\n");
    system.shellExecute("open", folder.file("mark.bat"));
    EXPECT_TRUE(appears(folder.file("opened by the shell.txt")));
}

} // namespace
