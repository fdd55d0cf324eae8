// zentrel-cycle's Windows command on a program folder, saving into the system's own win.ini,
// system.ini and registry, which are put back as they were at the end.
#include "zentrel-cycle/CycleCommand.h"
#include "cycle/win32/Win32System.h"
#include "win32/Win32Folder.h"

#include <gtest/gtest.h>
#include <optional>
#include <sstream>

namespace {

std::string windowsFile(const std::string& name)
{
    char folder[MAX_PATH + 1];
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    return std::string(folder, length) + "\\" + name;
}

std::optional<std::string> stringValue(const std::string& key, const char* name)
{
    char data[4096];
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data);
}

// Keeps a Windows file's bytes and puts them back at the end.
class KeptFile {
public:
    explicit KeptFile(std::string path)
        : m_path(std::move(path))
        , m_existed(GetFileAttributesA(m_path.c_str()) != INVALID_FILE_ATTRIBUTES)
        , m_bytes(Win32Folder::readPath(m_path))
    {
    }
    ~KeptFile()
    {
        if (m_existed)
            Win32Folder::writePath(m_path, m_bytes);
        else
            DeleteFileA(m_path.c_str());
    }

private:
    std::string m_path;
    bool m_existed;
    std::string m_bytes;
};

// Keeps a key's string values, or makes the key and removes it at the end.
class KeptKey {
public:
    KeptKey(std::string path, std::vector<const char*> names)
        : m_path(std::move(path))
        , m_names(std::move(names))
    {
        HKEY key = nullptr;
        m_made = RegOpenKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS;
        if (m_made)
            RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegCloseKey(key);
        for (const char* name : m_names)
            m_values.push_back(stringValue(m_path, name));
    }
    ~KeptKey()
    {
        if (m_made) {
            RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
            return;
        }
        for (std::size_t at = 0; at < m_names.size(); ++at) {
            if (m_values[at])
                RegSetKeyValueA(HKEY_CURRENT_USER, m_path.c_str(), m_names[at], REG_SZ, m_values[at]->c_str(),
                    DWORD(m_values[at]->size() + 1));
            else
                RegDeleteKeyValueA(HKEY_CURRENT_USER, m_path.c_str(), m_names[at]);
        }
    }

private:
    std::string m_path;
    std::vector<const char*> m_names;
    std::vector<std::optional<std::string>> m_values;
    bool m_made = false;
};

constexpr const char* desktopKey = "Control Panel\\Desktop";
constexpr const char* startKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";

class CycleCommandWin32 : public ::testing::Test {
protected:
    struct Outcome {
        int exitCode;
        std::string out, errors;
    };

    Outcome run(std::vector<std::string> arguments)
    {
        arguments.push_back("--program-dir=" + folder.path());
        std::ostringstream out, errors;
        int exitCode = runCycleCommand(arguments, out, errors);
        return { exitCode, out.str(), errors.str() };
    }

    Win32Folder folder;
    KeptFile winIni { windowsFile("win.ini") }, systemIni { windowsFile("system.ini") };
    KeptKey desktop { desktopKey, { "Wallpaper", "TileWallpaper", "ScreenSaveActive" } };
    KeptKey start { startKey, { "" } };
};

TEST_F(CycleCommandWin32, SavesWallpaperSoundAndSaverIntoTheRealWindowsFiles)
{
    Win32Folder::writePath(windowsFile("win.ini"),
        "[windows]\r\nload=\r\n[Desktop]\r\nWallpaper=(None)\r\nTileWallpaper=1\r\nwallpaperstyle=0\r\n");
    Win32Folder::writePath(
        windowsFile("system.ini"), "[boot]\r\nshell=Explorer.exe\r\n[386Enh]\r\nwoafont=dosapp.fon\n");
    ASSERT_TRUE(CreateDirectoryA(folder.file("My Screen Savers").c_str(), nullptr));
    const std::string saver = folder.file("My Screen Savers\\Flying Through Space.scr");
    Win32Folder::writePath(saver, "MZ");

    folder.write("murello.dat", "C:\\pics\\a.bmp\r\nC:\\pics\\b b.bmp\r\n");
    folder.write("murello.cfg", "t\r\n2\r\nt\r\nf\r\n");
    folder.write("tonvikst.dat", "C:\\media\\hello.wav\r\n");
    folder.write("tonvikxt.dat", "C:\\media\\bye.wav\r\n");
    folder.write("tonvik.cfg", "t\r\n1\r\nt\r\n1\r\n");
    folder.write("dozarn.dat", saver + "\r\n");
    folder.write("dozarn.cfg", "t\r\n1\r\n");

    Outcome result = run({ "--only", "wallpaper,sound,saver" });
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    // The shutdown event's key is not made by the test: where Windows lacks it, the list is skipped.
    const bool exitKey = stringValue("AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current", "").has_value();
    EXPECT_EQ(result.out,
        "wallpaper: applied 2 of 2 C:\\pics\\b b.bmp (centred), next 1\n"
        "start-up sounds: applied 1 of 1 C:\\media\\hello.wav, next 1\n"
            + std::string(exitKey ? "shutdown sounds: applied 1 of 1 C:\\media\\bye.wav, next 1\n"
                                  : "shutdown sounds: skipped, the sound event's registry key is missing\n")
            + "screen saver: applied 1 of 1 " + saver + ", next 1\n");
    EXPECT_EQ(result.errors, "");

    EXPECT_EQ(Win32Folder::readPath(windowsFile("win.ini")),
        "[windows]\r\nload=\r\n[Desktop]\r\nWallpaper=C:\\pics\\b b.bmp\r\nTileWallpaper=0\r\nwallpaperstyle=0\r\n");
    EXPECT_EQ(Win32Folder::readPath(windowsFile("system.ini")),
        "[boot]\r\nSCRNSAVE.EXE=" + Win32System().shortPath(saver)
            + "\r\nshell=Explorer.exe\r\n[386Enh]\r\nwoafont=dosapp.fon\r\n");
    EXPECT_EQ(stringValue(desktopKey, "Wallpaper"), "C:\\pics\\b b.bmp");
    EXPECT_EQ(stringValue(desktopKey, "TileWallpaper"), "0");
    EXPECT_EQ(stringValue(desktopKey, "ScreenSaveActive"), "1");
    EXPECT_EQ(stringValue(startKey, ""), "C:\\media\\hello.wav");

    EXPECT_EQ(folder.read("murello.cfg"), "t\r\n1\r\nt\r\nf\r\n");
    EXPECT_EQ(folder.read("tonvik.cfg"), "t\r\n1\r\nt\r\n1\r\n");
    // Nothing beside the lists but the test's own folder: the run's lock leaves no file.
    EXPECT_EQ(folder.names(),
        "My Screen Savers dozarn.cfg dozarn.dat murello.cfg murello.dat tonvik.cfg tonvikst.dat "
        "tonvikxt.dat");
}

TEST_F(CycleCommandWin32, ThePosixDesktopsOptionsAreRefused)
{
    Outcome result = run({ "--present" });
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(run({ "--install-autostart" }).exitCode, 2);
    result = run({ "--dry-run" });
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.out,
        "wallpaper: empty list\nstart-up sounds: empty list\nshutdown sounds: empty list\nscreen saver: empty "
        "list\nlogo: empty list\ntheme: empty list\n");
    EXPECT_EQ(folder.names(), "");
}

} // namespace
