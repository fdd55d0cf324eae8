#include "cycle/Exception.h"
#include "cycle/LineFiles.h"
#include "cycle/TemporaryFolder.h"
#include "panels/wallpaper/WallpaperPanel.h"
#include "support/FailureOf.h"
#include "support/MemoryLineFiles.h"
#include "support/MemoryRegistry.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "/zentrel/";
const std::string dat = dir + "murello.dat";
const std::string cfg = dir + "murello.cfg";
const std::string winIni = "/win98/WINDOWS/win.ini";
const std::string desktop = "Control Panel\\Desktop";
using Log = std::vector<std::string>;

const LineList typicalWinIni = { "[windows]", "load=", "run=", "", "[Desktop]", "Wallpaper=(None)", "TileWallpaper=0",
    "WallpaperStyle=0", "Pattern=(None)", "", "[intl]", "iCountry=1" };

// The win.ini image with the wallpaper lines replaced.
LineList typicalWith(const std::string& wallpaper, const std::string& tiling)
{
    LineList lines = typicalWinIni;
    lines[5] = wallpaper;
    lines[6] = tiling;
    return lines;
}

class WallpaperSave : public ::testing::Test {
protected:
    WallpaperSave()
    {
        registry->setSystemRoot("/win98/WINDOWS");
        registry->key(RegistryRoot::CurrentUser, desktop)["Wallpaper"] = { RegistryValue::Kind::String, "old.bmp" };
        registry->key(RegistryRoot::CurrentUser, desktop)["TileWallpaper"] = { RegistryValue::Kind::String, "0" };
        files->files[winIni] = typicalWinIni;
    }

    WallpaperPanel& make(const LineList& entries, const LineList& settings)
    {
        files->files[dat] = entries;
        files->files[cfg] = settings;
        panel = std::make_unique<WallpaperPanel>(dir, registry, files, random);
        EXPECT_TRUE(panel->load().empty());
        files->log.clear();
        return *panel;
    }

    std::string desktopValue(const std::string& name)
    {
        return registry->text(RegistryRoot::CurrentUser, desktop, name);
    }

    std::string failureOfSave()
    {
        return failureOf([this] { panel->save(); });
    }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>(files->log);
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::unique_ptr<WallpaperPanel> panel;
};

} // namespace

TEST_F(WallpaperSave, EnabledSaveAppliesTheNextEntryInOrderOfWrites)
{
    WallpaperPanel& p = make({ "C:\\A.BMP", "C:\\B.BMP", "C:\\C.BMP" }, { "t", "2", "f", "t", "f" });
    p.save();
    EXPECT_EQ(files->writes(),
        (Log { "write " + dat, "write " + cfg, "write " + winIni, "write " + cfg, "registry Wallpaper=C:\\B.BMP",
            "registry TileWallpaper=1" }));
    EXPECT_EQ(files->files[winIni], typicalWith("Wallpaper=C:\\B.BMP", "TileWallpaper=1"));
    EXPECT_EQ(files->files[cfg], (LineList { "t", "3", "f", "t", "f" }));
    EXPECT_EQ(p.controls().next, "3") << "the field shows the stored position";
}

TEST_F(WallpaperSave, SavesInARowApplyOneEntryAfterAnother)
{
    WallpaperPanel& p = make({ "A", "B", "C", "D" }, { "t", "1", "t", "f", "t", "t" });
    for (const char* applied : { "A", "B", "C" }) {
        p.save();
        EXPECT_EQ(desktopValue("Wallpaper"), applied);
    }
    EXPECT_EQ(files->files[cfg], (LineList { "t", "4", "t", "f", "t", "t" }));
    EXPECT_EQ(p.controls().next, "4");
}

TEST_F(WallpaperSave, ShownAgainThePanelReadsOnlyFilesAnotherProgramChanged)
{
    TemporaryFolder folder;
    folder.write("murello.dat", "A\r\nB\r\n");
    folder.write("murello.cfg", "t\r\n1\r\nt\r\nf\r\n");
    WallpaperPanel p(folder.path(), registry, std::make_shared<LineFiles>(), random);
    EXPECT_TRUE(p.load().empty());
    failureOf([&] { p.select(1); }); // there is no picture to preview; the entry is selected all the same
    EXPECT_TRUE(p.refresh().empty());
    EXPECT_EQ(p.selected(), 1u) << "files unchanged: nothing read";

    folder.write("murello.cfg", "t\r\n2\r\nt\r\nf\r\n\r\n"); // cycled at login, one line more
    EXPECT_TRUE(p.refresh().empty());
    EXPECT_EQ(p.controls().next, "2");
    EXPECT_EQ(p.selected(), std::nullopt);
}

TEST_F(WallpaperSave, TheLastEntryWrapsToTheFirstAndZeroCountsAsOne)
{
    make({ "A", "B", "C" }, { "t", "3", "t", "t", "f" });
    panel->save();
    EXPECT_EQ(files->files[winIni], typicalWith("Wallpaper=C", "TileWallpaper=0"));
    EXPECT_EQ(files->files[cfg][1], "1");
    EXPECT_EQ(desktopValue("TileWallpaper"), "0");

    make({ "A", "B" }, { "t", "0", "t", "t" });
    panel->save();
    EXPECT_EQ(files->files[winIni][5], "Wallpaper=A");
    EXPECT_EQ(files->files[cfg][1], "2");
}

TEST_F(WallpaperSave, RandomCyclingNeverRepeatsTheAppliedEntry)
{
    make({ "A", "B", "C" }, { "tr", "2", "t", "t", "t" });
    EXPECT_TRUE(panel->controls().random);
    random->draws = { 1, 1, 2 }; // positions 2, 2, then 3
    panel->save();
    EXPECT_EQ(files->files[winIni][5], "Wallpaper=B");
    EXPECT_EQ(files->files[cfg], (LineList { "tr", "3", "t", "t", "t" }));
}

TEST_F(WallpaperSave, OnlyTheLastMatchingLinesOfTheWholeFileAreRewritten)
{
    files->files[winIni] = { "[Desktop]", "Wallpaper=first.bmp", "TileWallpaper=1", "[Other]", "wallpaper=second.bmp",
        " Wallpaper=indented.bmp", "tilewallpaper=1", "Wallpaper", "WallpaperStyle=2" };
    make({ "new.bmp" }, { "t", "1", "f" });
    panel->save();
    EXPECT_EQ(files->files[winIni],
        (LineList { "[Desktop]", "Wallpaper=first.bmp", "TileWallpaper=1", "[Other]", "Wallpaper=new.bmp",
            " Wallpaper=indented.bmp", "TileWallpaper=0", "Wallpaper", "WallpaperStyle=2" }));
}

TEST_F(WallpaperSave, AHandEditedFlagRemovesTheTilingLineAndLeavesTheRegistryTiling)
{
    make({ "A" }, { "t", "1", "x" });
    panel->save();
    LineList expected = typicalWinIni;
    expected[5] = "Wallpaper=A";
    expected.erase(expected.begin() + 6);
    EXPECT_EQ(files->files[winIni], expected);
    EXPECT_EQ(desktopValue("Wallpaper"), "A");
    EXPECT_EQ(desktopValue("TileWallpaper"), "0");
    EXPECT_EQ(files->writes().back(), "registry Wallpaper=A");
}

TEST_F(WallpaperSave, AnEmptyEntryWritesABareLineAndLeavesTheRegistryPath)
{
    make({ "A", "" }, { "t", "2", "t", "t" });
    panel->save();
    EXPECT_EQ(files->files[winIni], typicalWith("Wallpaper=", "TileWallpaper=1"));
    EXPECT_EQ(desktopValue("Wallpaper"), "old.bmp");
    EXPECT_EQ(desktopValue("TileWallpaper"), "1");
}

TEST_F(WallpaperSave, MissingLinesAreAddedAtTheEndOfTheDesktopSection)
{
    files->files[winIni] = { "[windows]", "run=", "", "[desktop]", "Pattern=(None)", "", "", "[intl]", "iCountry=1" };
    make({ "A" }, { "t", "1", "t" });
    panel->save();
    EXPECT_EQ(files->files[winIni],
        (LineList { "[windows]", "run=", "", "[desktop]", "Pattern=(None)", "Wallpaper=A", "TileWallpaper=1", "", "",
            "[intl]", "iCountry=1" }));

    files->files[winIni] = { "[Desktop]", "TileWallpaper=0", "[intl]" };
    make({ "B" }, { "t", "1", "f" });
    panel->save();
    EXPECT_EQ(files->files[winIni], (LineList { "[Desktop]", "TileWallpaper=0", "Wallpaper=B", "[intl]" }));
}

TEST_F(WallpaperSave, AFileWithoutDesktopSectionGetsOneAtItsEnd)
{
    files->files[winIni] = { "[windows]", "run=" };
    make({ "A" }, { "t", "1", "x" });
    panel->save();
    EXPECT_EQ(files->files[winIni], (LineList { "[windows]", "run=", "[Desktop]", "Wallpaper=A" }))
        << "no tiling line for a flag that is neither t nor f";

    files->files[winIni] = {};
    make({ "A" }, { "t", "1", "t" });
    panel->save();
    EXPECT_EQ(files->files[winIni], (LineList { "[Desktop]", "Wallpaper=A", "TileWallpaper=1" }));
}

TEST_F(WallpaperSave, ADisabledSaveChecksWinIniAndThePositionButAppliesNothing)
{
    make({ "A", "B" }, { "f", "2", "t", "t" });
    EXPECT_FALSE(panel->controls().enabled);
    panel->save();
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg }));
    EXPECT_EQ(files->files[cfg], (LineList { "f", "2", "t", "t" }));
    EXPECT_EQ(files->files[winIni], typicalWinIni);

    files->unreadable.insert(winIni);
    EXPECT_EQ(failureOfSave(), "Cannot open file " + winIni);
    files->unreadable.clear();

    make({ "A", "B" }, { "f", "3", "t", "t" });
    EXPECT_EQ(failureOfSave(), "List index out of bounds");
    make({ "A", "B" }, { "f", "two", "t", "t" });
    EXPECT_EQ(failureOfSave(), "'two' is not a valid integer value");
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg }));
}

TEST_F(WallpaperSave, AnEmptyListReadsWinIniAndAppliesNothing)
{
    make({}, { "t", "1" });
    panel->save();
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg }));
    EXPECT_EQ(files->log.back(), "read " + winIni);

    files->files.erase(winIni);
    EXPECT_EQ(failureOfSave(), "Cannot open file " + winIni);
}

TEST_F(WallpaperSave, AWinIniThatCannotBeWrittenLeavesTheSettingsUnadvancedAndTheRegistryAlone)
{
    make({ "A", "B" }, { "t", "1", "t", "t" });
    files->uncreatable.insert(winIni);
    EXPECT_EQ(failureOfSave(), "Cannot create file " + winIni);
    EXPECT_EQ(files->files[cfg], (LineList { "t", "1", "t", "t" }));
    EXPECT_EQ(desktopValue("Wallpaper"), "old.bmp");
}

TEST_F(WallpaperSave, AMissingDesktopKeyIsSilentlySkipped)
{
    registry->keys.erase({ RegistryRoot::CurrentUser, desktop });
    make({ "A" }, { "t", "1", "t" });
    panel->save();
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg, "write " + winIni, "write " + cfg }));
    EXPECT_FALSE(registry->keys.contains({ RegistryRoot::CurrentUser, desktop })) << "the key is never created";
}

TEST_F(WallpaperSave, RegistryFailuresStopTheSaveAfterWinIniAndSettings)
{
    make({ "A" }, { "t", "1", "t" });
    registry->refused = "TileWallpaper";
    EXPECT_EQ(failureOfSave(), "Failed to set data for 'TileWallpaper'");
    EXPECT_EQ(desktopValue("Wallpaper"), "A") << "the value before it stays set";
    EXPECT_EQ(files->files[cfg][1], "1");
    EXPECT_EQ(files->files[winIni][5], "Wallpaper=A");

    registry->key(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion")["SystemRoot"]
        = { RegistryValue::Kind::OtherType, "dword:00000001" };
    EXPECT_EQ(failureOfSave(), "Invalid data type for 'SystemRoot'");
}

TEST_F(WallpaperSave, ReadingTheFilesBackDropsTheSelection)
{
    make({ "A.bmp", "B.bmp" }, { "t", "1", "t", "t" });
    EXPECT_THROW(panel->select(1), Exception) << "no such picture";
    ASSERT_EQ(panel->selected(), 1u);

    files->uncreatable.insert(dat);
    EXPECT_EQ(failureOfSave(), "Cannot create file " + dat);
    EXPECT_EQ(panel->selected(), 1u) << "nothing was read back";

    files->uncreatable.clear();
    files->log.clear();
    panel->save();
    EXPECT_EQ(files->log[2], "read " + cfg);
    EXPECT_EQ(files->log[3], "read " + dat);
    EXPECT_EQ(panel->selected(), std::nullopt);
}
