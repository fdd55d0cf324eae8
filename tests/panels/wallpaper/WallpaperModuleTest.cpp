#include "panels/wallpaper/WallpaperModule.h"

#include "cycle/CycleModule.h"
#include "cycle/Exception.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "C:\\ZENTREL\\";
const std::string dat = dir + "murello.dat";
const std::string cfg = dir + "murello.cfg";
using Log = std::vector<std::string>;

class WallpaperModule : public ::testing::Test {
protected:
    CycleModule& make(const LineList& entries, const LineList& settings)
    {
        files->files[dat] = entries;
        files->files[cfg] = settings;
        ModuleParameters parameters = wallpaperModule();
        parameters.apply[0].prepare = [this] {
            files->log.push_back("load win.ini");
            if (!winIniReadable)
                throw Exception("Cannot open file C:\\WINDOWS\\win.ini");
            return true;
        };
        parameters.apply[0].apply
            = [this](const AppliedEntry& e) { files->log.push_back("apply " + e.path + " " + e.flag); };
        parameters.apply[0].finish = [this](const AppliedEntry& e) { files->log.push_back("registry " + e.path); };
        module = std::make_unique<CycleModule>(parameters, dir, files, std::make_shared<ScriptedRandom>());
        EXPECT_TRUE(module->load().empty());
        files->log.clear();
        return *module;
    }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::unique_ptr<CycleModule> module;
    bool winIniReadable = true;
};

} // namespace

TEST_F(WallpaperModule, LoadsWithEnableTickedForAnyCodeButF)
{
    CycleModule& m = make({ "A", "B" }, { "", "2" });
    EXPECT_TRUE(m.controls().enabled);
    EXPECT_EQ(m.controls().next, "2");
    EXPECT_EQ(m.settings().lines(), (LineList { "", "2", "t", "t" })) << "flags fitted to the list";

    EXPECT_FALSE(make({}, { "f", "1" }).controls().enabled);
    EXPECT_EQ(make({}, { "f" }).settings().lines(), (LineList { "t", "1" }));
}

TEST_F(WallpaperModule, InsertWithoutSelectionAddsNeitherEntryNorFlag)
{
    CycleModule& m = make({ "A" }, { "t", "1", "f" });
    m.insert({ "B" }, std::nullopt);
    EXPECT_EQ(m.list().entries(), LineList { "A" });
    EXPECT_EQ(m.settings().lines(), (LineList { "t", "1", "f" }));
}

TEST_F(WallpaperModule, EnabledSaveWritesFilesReadsThemBackAppliesAndSetsTheRegistryLast)
{
    CycleModule& m = make({ "A", "B", "C" }, { "t", "2", "t", "f", "t" });
    m.save();
    EXPECT_EQ(files->log,
        (Log { "write " + dat, "write " + cfg, "read " + cfg, "read " + dat, "load win.ini", "apply B f",
            "write " + cfg, "registry B" }));
    EXPECT_EQ(files->files[cfg], (LineList { "t", "3", "t", "f", "t" }));
    EXPECT_EQ(m.controls().next, "3");
}

TEST_F(WallpaperModule, DisabledSaveStillReadsWinIniAndChecksThePositionButWritesNothingMore)
{
    CycleModule& m = make({ "A", "B" }, { "t", "2", "t", "t" });
    m.setEnabled(false);
    m.save();
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg, "load win.ini" }));
    EXPECT_EQ(files->files[cfg], (LineList { "f", "2", "t", "t" }));

    make({ "A", "B" }, { "f", "7", "t", "t" });
    EXPECT_THROW(module->save(), Exception);
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg, "load win.ini" }));
}

TEST_F(WallpaperModule, AnEmptyListStillNeedsAReadableWinIni)
{
    make({}, { "t", "1" });
    winIniReadable = false;
    EXPECT_THROW(module->save(), Exception);
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg, "load win.ini" }));

    winIniReadable = true;
    module->save();
    EXPECT_EQ(files->files[cfg], (LineList { "t", "1" }));
}

TEST_F(WallpaperModule, TheAppliedEntryCarriesWhateverFlagTheSettingsHold)
{
    make({ "A" }, { "t", "1", "x" });
    module->save();
    EXPECT_EQ(files->writes()[3], "apply A x");
}
