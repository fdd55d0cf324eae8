// The logo on the real system: logo.sys in the root of the drive that holds Windows, through the
// apply step and through zentrel-cycle's Windows command. A logo.sys that was there before is put
// back at the end.
#include "zentrel-cycle/CycleCommand.h"
#include "cycle/win32/Win32Registry.h"
#include "cycle/win32/Win32System.h"
#include "panels/logo/BitmapBytes.h"
#include "panels/logo/LogoApply.h"
#include "win32/Win32Folder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string rootLogo()
{
    char folder[MAX_PATH + 1];
    GetWindowsDirectoryA(folder, sizeof folder);
    return std::string(1, folder[0]) + ":\\logo.sys";
}

bool exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class LogoWin32 : public ::testing::Test {
protected:
    LogoWin32()
        : m_existed(exists(logo))
        , m_attributes(GetFileAttributesA(logo.c_str()))
        , m_bytes(Win32Folder::readPath(logo))
    {
    }
    ~LogoWin32() override
    {
        SetFileAttributesA(logo.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(logo.c_str());
        if (m_existed) {
            Win32Folder::writePath(logo, m_bytes);
            SetFileAttributesA(logo.c_str(), m_attributes);
        }
    }

    std::string source(const std::string& name, const BitmapShape& shape)
    {
        folder.write(name, bitmapBytes(shape));
        return folder.file(name);
    }

    const std::string logo = rootLogo();
    Win32Folder folder;

private:
    bool m_existed;
    DWORD m_attributes;
    std::string m_bytes;
};

TEST_F(LogoWin32, TheLogoReplacesAHiddenReadOnlyOneAtTheDrivesRootAndIsRestoredAway)
{
    Win32Folder::writePath(logo, "the previous logo");
    ASSERT_TRUE(SetFileAttributesA(logo.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));

    LogoApply apply(std::make_shared<Win32Registry>(), std::make_shared<Win32System>());
    EXPECT_EQ(apply.logoPath(), logo);
    const std::string eightBits = source("Eight Bits.bmp", {});
    apply.writeLogo(eightBits);
    EXPECT_EQ(Win32Folder::readPath(logo), bitmapBytes({})) << "an uncompressed 8-bit logo is written back as it was";
    EXPECT_EQ(GetFileAttributesA(logo.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY),
        DWORD(FILE_ATTRIBUTE_HIDDEN));

    apply.writeLogo(source("top.bmp", { .topDown = true }));
    EXPECT_EQ(Win32Folder::readPath(logo), bitmapBytes({})) << "stored bottom-up";

    EXPECT_TRUE(apply.restore());
    EXPECT_FALSE(exists(logo));
    EXPECT_FALSE(apply.restore());
}

TEST_F(LogoWin32, ZentrelCycleCyclesTheLogoListIntoTheDrivesRoot)
{
    const std::string first = source("first.bmp", { .colours = 16 });
    const std::string second = source("second.bmp", {});
    folder.write("brisko.dat", first + "\r\n" + second + "\r\n");
    folder.write("brisko.cfg", "t\r\n2\r\n");

    auto run = [&] {
        std::ostringstream out, errors;
        int exitCode = runCycleCommand({ "--only", "logo", "--program-dir=" + folder.path() }, out, errors);
        EXPECT_EQ(exitCode, 0) << errors.str();
        return out.str();
    };
    EXPECT_EQ(run(), "logo: applied 2 of 2 " + second + ", next 1\n");
    EXPECT_EQ(Win32Folder::readPath(logo), bitmapBytes({}));
    EXPECT_EQ(run(), "logo: applied 1 of 2 " + first + ", next 2\n");
    EXPECT_EQ(Win32Folder::readPath(logo), bitmapBytes({ .colours = 16 }));
    EXPECT_TRUE(GetFileAttributesA(logo.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(folder.read("brisko.cfg"), "t\r\n2\r\n");
}

} // namespace
