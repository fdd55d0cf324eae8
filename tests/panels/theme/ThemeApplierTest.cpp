#include "panels/theme/ThemeApplier.h"

#include "cycle/LineFiles.h"
#include "cycle/RecordingSystem.h"
#include "cycle/Registry.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInFiles.h"
#include "cycle/StandInMachine.h"
#include "cycle/TemporaryFolder.h"
#include "panels/theme/BuiltInThemeShell.h"
#include "panels/theme/ThemePreview.h"
#include "panels/theme/ThemeText.h"
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
    ThemeApplied apply(const std::string& themeText)
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

TEST_F(ThemeApplierTest, SetsWallpaperSoundsScreenSaverAndColoursTheThemeNames)
{
    ThemeApplied applied = apply("; Sea theme\n"
                                 "[Control Panel\\Desktop]\n"
                                 "Wallpaper=%ThemeDir%Pictures\\sea.bmp\n"
                                 "TileWallpaper=0\n"
                                 "Pattern=(None)\n"
                                 "ScreenSaveActive=1\n"
                                 "[control panel\\colors]\n"
                                 "Background=0 0 64\n"
                                 " Window = \"250 250 240\" \n"
                                 "[AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current]\n"
                                 "DefaultValue=%windir%\\Media\\start.wav\n"
                                 "[AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current]\n"
                                 "DefaultValue=\n"
                                 "[AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current]\n"
                                 "DefaultValue=mail.wav\n"
                                 "[AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current]\n"
                                 "DefaultValue=%ThemeDir%bin.wav\n"
                                 "[AppEvents\\Schemes\\Apps\\Plus!\\Wobble\\.Current]\n"
                                 "DefaultValue=wobble.wav\n"
                                 "[AppEvents\\Schemes\\Apps\\.Default\\Gone\\.Current]\n"
                                 "DefaultValue=gone.wav\n"
                                 "[boot]\n"
                                 "SCRNSAVE.EXE=%WinDir%SYSTEM\\Sea.scr\n");
    EXPECT_TRUE(applied.failures.empty()) << applied.failures.front();
    EXPECT_EQ(applied.soundsNotSet, (std::vector<std::string> { "Plus!\\Wobble", ".Default\\Gone" }));

    std::string wallpaper = program.path() + "Pictures/sea.bmp";
    EXPECT_EQ(winIni(),
        replaced(replaced(StandInFiles::winIni(), "Wallpaper=(None)\r\n", "Wallpaper=" + wallpaper + "\r\n"),
            "TileWallpaper=1\r\n", "TileWallpaper=0\r\n"));
    EXPECT_EQ(value(desktopKey, "Wallpaper"), wallpaper);
    EXPECT_EQ(value(desktopKey, "TileWallpaper"), "0");
    EXPECT_EQ(value(startKey, ""), windows() + "/Media/start.wav") << "one separator after %windir%";
    EXPECT_EQ(value(exitKey, ""), "") << "an empty value is left alone";
    EXPECT_EQ(value("AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current", ""), "mail.wav");
    EXPECT_EQ(value("AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current", ""), program.path() + "bin.wav");
    EXPECT_EQ(value("Control Panel\\Colors", "Background"), "0 0 64");
    EXPECT_EQ(value("Control Panel\\Colors", "Window"), "250 250 240");
    EXPECT_EQ(value("Control Panel\\Colors", "ActiveTitle"), "0 0 128");
    EXPECT_EQ(program.read("machine/c/WINDOWS/system.ini"),
        replaced(StandInFiles::systemIni(), "SCRNSAVE.EXE=\r\n", "SCRNSAVE.EXE=" + windows() + "/SYSTEM/Sea.scr\r\n"));
    EXPECT_EQ(value(desktopKey, "ScreenSaveActive"), "1") << "the theme's switch";
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

TEST_F(ThemeApplierTest, AThemeThatNamesNothingUsableFailsAndChangesNothing)
{
    const char withNul[] = "[Control Panel\\Desktop]\r\n\0Wallpaper=x.bmp\r\n";
    const std::string themes[] = {
        "",
        "Wallpaper=x.bmp\r\nTileWallpaper=0\r\n", // no section
        std::string(withNul, sizeof withNul - 1), // the text ends at the NUL
        "\x01\xff\xfe[Control Panel\\Desktop\n=x.bmp\n[Control Panel\\Desktop]\nWallpaper=\nTileWallpaper=2\n"
        "ScreenSaveActive=on\n[boot\nSCRNSAVE.EXE=x.scr\n[Control Panel\\Colors]\nWindow=\n",
        "[Control Panel\\Desktop]\n" + std::string(10'000'000, '\xa0') + "\n",
        "[Theme]\r\nDisplayName=Cursors only\r\n[Control Panel\\Cursors]\r\nArrow=%ThemeDir%a.cur\r\n",
    };
    for (const std::string& theme : themes) {
        EXPECT_EQ(apply(theme).failures,
            std::vector<std::string> {
                "The theme " + program.file("Sea.theme") + " names nothing that can be applied" });
        expectUntouched();
    }
}

// Windows writes theme files in UTF-16; the byte-order mark tells which.
TEST_F(ThemeApplierTest, ReadsUtf16ThemesByTheirByteOrderMark)
{
    auto utf16 = [](const std::u16string& text, bool bigEndian) {
        std::string bytes = bigEndian ? "\xfe\xff" : "\xff\xfe";
        for (char16_t unit : text) {
            char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xff);
            bytes += bigEndian ? std::string { high, low } : std::string { low, high };
        }
        return bytes;
    };
    const std::u16string text = u"[Control Panel\\Desktop]\r\nWallpaper=C:\\Caf\u00e9 \U0001F30A.bmp\r\n";
    for (bool bigEndian : { false, true }) {
        EXPECT_TRUE(apply(utf16(text, bigEndian)).failures.empty());
        EXPECT_EQ(value(desktopKey, "Wallpaper"), "C:\\Caf\xc3\xa9 \xf0\x9f\x8c\x8a.bmp");
    }
    const std::pair<std::string, LineList> odd[] = {
        { utf16(u"a\xd800\x62\xdc00", false), { "a\uFFFDb\uFFFD" } }, // unpaired surrogates
        { utf16(u"a\r\nb", true) + 'x', { "a", "b" } }, // an odd last byte
        { utf16(u"a\0b", false), { "a" } }, // a NUL ends the text
        { "\xff[x]\xfe", { "\xff[x]\xfe" } }, // no mark: 8-bit text as it is
        { "\xef\xbb\xbf[x]", { "[x]" } }, // a UTF-8 mark is dropped
    };
    for (const auto& [bytes, lines] : odd)
        EXPECT_EQ(themeLines(bytes), lines) << bytes;
}

TEST_F(ThemeApplierTest, AThemeIsNamedByItsDisplayNameOrFirstCommentOrElseItsFile)
{
    const std::pair<std::string, std::string> cases[] = {
        { "; Sea\r\n[Theme]\r\nDisplayName=Deep Sea\r\n", "Deep Sea" },
        { "\r\n;   Sea theme  \r\n; by someone\r\n[Control Panel\\Colors]\r\nMenu=1 2 3\r\n", "Sea theme" },
        { "[Theme]\r\nDisplayName=@themeui.dll,-2016\r\n", "Deep Ocean" }, // a string in a Windows library
        { "; Copyright \xa9 Microsoft Corp. 1995\r\n", "Deep Ocean" },
        { "[boot]\r\n; Sea\r\n", "Deep Ocean" },
    };
    for (const auto& [text, name] : cases) {
        program.write("Deep Ocean.Theme", text);
        EXPECT_EQ(applier->read(program.file("Deep Ocean.Theme")).name, name) << text;
    }
}

TEST_F(ThemeApplierTest, AMissingThemeIsReportedAndChangesNothing)
{
    auto failures = applier->apply(program.file("gone.theme")).failures;
    EXPECT_EQ(failures, std::vector<std::string> { "Cannot open file " + program.file("gone.theme") });
    expectUntouched();
}

TEST_F(ThemeApplierTest, AFailingItemDoesNotStopTheOthers)
{
    std::filesystem::remove(program.file("machine/c/WINDOWS/win.ini"));
    auto failures = apply("[Control Panel\\Desktop]\nWallpaper=x.bmp\n[Control Panel\\Colors]\nMenu=1 2 3\n").failures;
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
    auto failures = applier->apply(program.file("odd\nname/Sea.theme")).failures;
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
        [&](const ThemePreview& theme) { shown.push_back(theme.title() + ": " + theme.rows().at(0).text); },
        [&](const ThemeApplied& outcome) {
            failed.insert(failed.end(), outcome.failures.begin(), outcome.failures.end());
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

    EXPECT_EQ(shown, std::vector<std::string> { "b: Colour Menu: 4 5 6" });
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
        { "%WinDir%\\theme2.bmp", "/m/c/WINDOWS/theme2.bmp" },
        { "%ThemeDir%/\\b.bmp", "/home/u/Themes/b.bmp" },
    };
    for (auto [text, expanded] : cases)
        EXPECT_EQ(variables.expand(text), expanded) << text;
    EXPECT_EQ(ThemeVariables("", "Sea.theme").expand("%WinDir%%ThemeDir%a.bmp"), "a.bmp");
    EXPECT_EQ(ThemeVariables("/m/c/WINDOWS/", "Sea.theme").expand("%WinDir%theme2.bmp"), "/m/c/WINDOWS/theme2.bmp");
}
