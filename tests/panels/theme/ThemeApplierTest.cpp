#include "panels/theme/ThemeApplier.h"

#include "cycle/LineFiles.h"
#include "cycle/RecordingSystem.h"
#include "cycle/Registry.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInFiles.h"
#include "cycle/StandInMachine.h"
#include "cycle/TemporaryFolder.h"
#include "panels/theme/BuiltInThemeShell.h"
#include "panels/theme/ThemeVariables.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string desktopKey = "Control Panel\\Desktop";
const std::string startKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";
const std::string exitKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current";

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

// A stand-in machine of its own, with a logo file that no theme may touch.
class ThemeApplierTest : public ::testing::Test {
protected:
    ThemeApplierTest()
    {
        StandInMachine(program.path()).ensureExists();
        program.write("machine/c/logo.sys", "BM logo");
        registry = std::make_shared<RegistryFile>(StandInMachine(program.path()).registryPath());
        applier = std::make_shared<ThemeApplier>(registry, std::make_shared<LineFiles>(), system);
    }
    std::string windows() const { return program.path() + "machine/c/WINDOWS"; }
    std::string winIni() const { return program.read("machine/c/WINDOWS/win.ini"); }
    std::string value(const std::string& key, const std::string& name)
    {
        auto open = registry->openKey(RegistryRoot::CurrentUser, key);
        return open ? open->queryValue(name).text : "<no key>";
    }
    std::vector<std::string> apply(const std::string& themeText)
    {
        program.write("Sea.theme", themeText);
        return applier->apply(program.file("Sea.theme"));
    }
    void expectUntouched()
    {
        EXPECT_EQ(winIni(), StandInFiles::winIni());
        EXPECT_EQ(
            program.read("machine/registry.reg"), StandInFiles::registry(StandInMachine::relativeWindowsDirectory));
        EXPECT_EQ(program.read("machine/c/WINDOWS/system.ini"), StandInFiles::systemIni());
        EXPECT_EQ(program.read("machine/c/logo.sys"), "BM logo");
    }

    TemporaryFolder program;
    std::shared_ptr<RecordingSystem> system = std::make_shared<RecordingSystem>();
    std::shared_ptr<RegistryFile> registry;
    std::shared_ptr<ThemeApplier> applier;
};

} // namespace

TEST_F(ThemeApplierTest, SetsWallpaperSoundsAndColoursTheThemeNames)
{
    auto failures = apply("; Sea theme\n"
                          "[Control Panel\\Desktop]\n"
                          "Wallpaper=%ThemeDir%Pictures\\sea.bmp\n"
                          "TileWallpaper=0\n"
                          "Pattern=(None)\n"
                          "[control panel\\colors]\n"
                          "Background=0 0 64\n"
                          " Window = \"250 250 240\" \n"
                          "[AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current]\n"
                          "DefaultValue=%windir%Media\\start.wav\n"
                          "[AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current]\n"
                          "DefaultValue=\n"
                          "[AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current]\n"
                          "DefaultValue=mail.wav\n"
                          "[boot]\n"
                          "SCRNSAVE.EXE=%WinDir%SYSTEM\\Sea.scr\n");
    EXPECT_TRUE(failures.empty());

    std::string wallpaper = program.path() + "Pictures/sea.bmp";
    EXPECT_EQ(winIni(),
        replaced(replaced(StandInFiles::winIni(), "Wallpaper=(None)\r\n", "Wallpaper=" + wallpaper + "\r\n"),
            "TileWallpaper=1\r\n", "TileWallpaper=0\r\n"));
    EXPECT_EQ(value(desktopKey, "Wallpaper"), wallpaper);
    EXPECT_EQ(value(desktopKey, "TileWallpaper"), "0");
    EXPECT_EQ(value(startKey, ""), windows() + "/Media/start.wav");
    EXPECT_EQ(value(exitKey, ""), "") << "an empty value is left alone";
    EXPECT_EQ(value("AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current", ""), "<no key>");
    EXPECT_EQ(value("Control Panel\\Colors", "Background"), "0 0 64");
    EXPECT_EQ(value("Control Panel\\Colors", "Window"), "250 250 240");
    EXPECT_EQ(value("Control Panel\\Colors", "ActiveTitle"), "0 0 128");
    EXPECT_EQ(program.read("machine/c/WINDOWS/system.ini"),
        replaced(StandInFiles::systemIni(), "SCRNSAVE.EXE=\r\n", "SCRNSAVE.EXE=" + windows() + "/SYSTEM/Sea.scr\r\n"));
    EXPECT_EQ(value(desktopKey, "ScreenSaveActive"), "0") << "a replaced line leaves the switch alone";
    EXPECT_EQ(program.read("machine/c/logo.sys"), "BM logo");
}

TEST_F(ThemeApplierTest, TouchesOnlyTheItemsTheThemeGives)
{
    apply("[Control Panel\\Desktop]\r\nTileWallpaper=0\r\n");
    EXPECT_EQ(winIni(), replaced(StandInFiles::winIni(), "TileWallpaper=1\r\n", "TileWallpaper=0\r\n"));
    EXPECT_EQ(value(desktopKey, "Wallpaper"), "(None)");
    EXPECT_EQ(value(desktopKey, "TileWallpaper"), "0");
    EXPECT_EQ(value("Control Panel\\Colors", "Background"), "0 128 128");
}

TEST_F(ThemeApplierTest, TheFirstOfDuplicateSectionsAndNamesCounts)
{
    apply("[Control Panel\\Desktop]\nWallpaper=a.bmp\nWallpaper=b.bmp\n"
          "[CONTROL PANEL\\DESKTOP]\nwallpaper=c.bmp\nTileWallpaper=1\n");
    EXPECT_EQ(value(desktopKey, "Wallpaper"), "a.bmp");
    EXPECT_EQ(value(desktopKey, "TileWallpaper"), "1");
}

TEST_F(ThemeApplierTest, AThemeThatNamesNothingUsableChangesNothing)
{
    const char withNul[] = "[Control Panel\\Desktop]\r\n\0Wallpaper=x.bmp\r\n";
    const std::string themes[] = {
        "",
        "Wallpaper=x.bmp\r\nTileWallpaper=0\r\n", // no section
        std::string(withNul, sizeof withNul - 1), // the text ends at the NUL
        "\x01\xff\xfe[Control Panel\\Desktop\n=x.bmp\n[Control Panel\\Desktop]\nWallpaper=\nTileWallpaper=2\n"
        "[boot\nSCRNSAVE.EXE=x.scr\n[Control Panel\\Colors]\nWindow=\n",
        "[Control Panel\\Desktop]\n" + std::string(10'000'000, '\xa0') + "\n",
    };
    for (const std::string& theme : themes) {
        EXPECT_TRUE(apply(theme).empty());
        expectUntouched();
    }
}

TEST_F(ThemeApplierTest, AMissingThemeIsReportedAndChangesNothing)
{
    auto failures = applier->apply(program.file("gone.theme"));
    EXPECT_EQ(failures, std::vector<std::string> { "Cannot open file " + program.file("gone.theme") });
    expectUntouched();
}

TEST_F(ThemeApplierTest, AFailingItemDoesNotStopTheOthers)
{
    std::filesystem::remove(program.file("machine/c/WINDOWS/win.ini"));
    auto failures = apply("[Control Panel\\Desktop]\nWallpaper=x.bmp\n[Control Panel\\Colors]\nMenu=1 2 3\n");
    EXPECT_EQ(failures, std::vector<std::string> { "Cannot open file " + windows() + "/win.ini" });
    EXPECT_EQ(value(desktopKey, "Wallpaper"), "(None)");
    EXPECT_EQ(value("Control Panel\\Colors", "Menu"), "1 2 3");
}

// A theme kept in a folder whose name holds a line end names a sound the registry store can't carry.
TEST_F(ThemeApplierTest, ASoundThatCannotBeSetIsReportedAndTheOthersAreSet)
{
    std::filesystem::create_directory(program.file("odd\nname"));
    program.write("odd\nname/Sea.theme",
        "[AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current]\nDefaultValue=%ThemeDir%start.wav\n"
        "[AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current]\nDefaultValue=%WinDir%Media\\exit.wav\n"
        "[Control Panel\\Colors]\nMenu=1 2 3\n");
    auto failures = applier->apply(program.file("odd\nname/Sea.theme"));
    EXPECT_EQ(failures, std::vector<std::string> { "Failed to set data for ''" });
    EXPECT_EQ(value(startKey, ""), "");
    EXPECT_EQ(value(exitKey, ""), windows() + "/Media/exit.wav");
    EXPECT_EQ(value("Control Panel\\Colors", "Menu"), "1 2 3");
}

TEST_F(ThemeApplierTest, TheBuiltInShellAppliesAndShowsThemeFilesOnly)
{
    std::vector<std::string> shown, failed;
    BuiltInThemeShell shell(
        system, applier,
        [&](const ThemeSettings& theme) {
            shown.push_back(theme.name + ": " + theme.items().at(0).first + " " + theme.items().at(0).second);
        },
        [&](const std::vector<std::string>& messages) {
            failed.insert(failed.end(), messages.begin(), messages.end());
        });
    program.write("a.txt", "[Control Panel\\Colors]\nMenu=1 2 3\n");
    program.write("b.THEME", "[Control Panel\\Colors]\nMenu=4 5 6\n");

    shell.shellExecute("Apply Settings", program.file("a.txt"));
    EXPECT_EQ(value("Control Panel\\Colors", "Menu"), "192 192 192");
    shell.shellExecute("Apply Settings", program.file("b.THEME"));
    EXPECT_EQ(value("Control Panel\\Colors", "Menu"), "4 5 6");
    shell.shellExecute("open", program.file("b.THEME"));
    shell.shellExecute("open", "mailto:someone@example.org");
    shell.shellExecute("Apply Settings", program.file("gone.theme"));
    shell.shellExecute("open", program.file("gone.theme"));

    EXPECT_EQ(shown, std::vector<std::string> { "b: Colour Menu 4 5 6" });
    EXPECT_EQ(failed, std::vector<std::string> { "Cannot open file " + program.file("gone.theme") });
    EXPECT_EQ(system->requests, std::vector<std::string> { "open mailto:someone@example.org" });
}

TEST(ThemeVariables, ExpandsTheKnownNamesInAnyCase)
{
    const ThemeVariables variables("/m/c/WINDOWS", "/home/u/Themes/Sea.theme");
    const std::pair<const char*, const char*> cases[] = {
        { "%WinDir%Media\\a.wav", "/m/c/WINDOWS/Media/a.wav" },
        { "%SYSTEMROOT%x", "/m/c/WINDOWS/x" },
        { "%themedir%Sea\\b.bmp", "/home/u/Themes/Sea/b.bmp" },
        { "C:\\Plus\\%Unknown%\\c.bmp", "C:\\Plus\\%Unknown%\\c.bmp" },
        { "100% %ThemeDir%", "100% /home/u/Themes/" },
        { "%%WinDir%%", "%/m/c/WINDOWS/%" },
    };
    for (auto [text, expanded] : cases)
        EXPECT_EQ(variables.expand(text), expanded) << text;
    EXPECT_EQ(ThemeVariables("", "Sea.theme").expand("%WinDir%%ThemeDir%a.bmp"), "a.bmp");
}
