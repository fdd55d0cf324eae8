#include "panels/sound/SoundModule.h"

#include "cycle/CycleModule.h"
#include "cycle/Exception.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "/z/";
const std::string startList = dir + "tonvikst.dat";
const std::string exitList = dir + "tonvikxt.dat";
const std::string cfg = dir + "tonvik.cfg";
using Log = std::vector<std::string>;

class SoundModule : public ::testing::Test {
protected:
    CycleModule& make(const LineList& start, const LineList& exit, const LineList& settings)
    {
        files->files[startList] = start;
        files->files[exitList] = exit;
        files->files[cfg] = settings;
        ModuleParameters parameters = soundModule();
        for (std::size_t which : { StartupSounds, ShutdownSounds }) {
            std::string event = which == StartupSounds ? "SystemStart" : "SystemExit";
            parameters.apply[which].prepare = [this, which] { return keyExists[which]; };
            parameters.apply[which].apply
                = [this, event](const AppliedEntry& e) { files->log.push_back(event + " " + e.path); };
        }
        module = std::make_unique<CycleModule>(parameters, dir, files, random);
        EXPECT_TRUE(module->load().empty());
        files->log.clear();
        return *module;
    }
    LineList stored() { return files->files[cfg]; }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::unique_ptr<CycleModule> module;
    bool keyExists[2] = { true, true };
};

} // namespace

TEST_F(SoundModule, LoadsBothHalvesOfTheSettings)
{
    CycleModule& m = make({}, {}, { "tr", "2", "f", "x" });
    EXPECT_TRUE(m.controls(StartupSounds).enabled);
    EXPECT_TRUE(m.controls(StartupSounds).random);
    EXPECT_EQ(m.controls(StartupSounds).next, "2");
    EXPECT_FALSE(m.controls(ShutdownSounds).enabled);
    EXPECT_EQ(m.controls(ShutdownSounds).next, "x");
    EXPECT_EQ(m.editTarget(), StartupSounds);

    for (const LineList& odd : { LineList { "f", "2", "f" }, LineList { "f", "2", "f", "3", "f" } }) {
        make({}, {}, odd);
        for (std::size_t which : { StartupSounds, ShutdownSounds }) {
            EXPECT_TRUE(module->controls(which).enabled);
            EXPECT_FALSE(module->controls(which).random);
            EXPECT_EQ(module->controls(which).next, "1");
        }
    }
    EXPECT_FALSE(make({}, {}, { "", "1", "T", "1" }).controls(StartupSounds).enabled);
    EXPECT_FALSE(module->controls(ShutdownSounds).enabled);
}

TEST_F(SoundModule, EditsGoToTheEditTargetAndInsertNeedsASelectionSomewhere)
{
    CycleModule& m = make({ "s1", "s2" }, { "x1" }, { "t", "1", "t", "4" });
    m.setEditTarget(ShutdownSounds);
    m.add({ "A", "B" });
    EXPECT_EQ(m.list(ShutdownSounds).entries(), (LineList { "x1", "B", "A" }));

    m.insert({ "C" }, std::nullopt, false);
    EXPECT_EQ(m.list(ShutdownSounds).size(), 3u) << "no selection in either list: nothing";
    m.insert({ "C" }, std::nullopt, true);
    EXPECT_EQ(m.list(ShutdownSounds).entries(), (LineList { "x1", "B", "A", "C" }));
    EXPECT_EQ(m.insert({ "D" }, 0), 1u);
    EXPECT_EQ(m.list(ShutdownSounds).at(0), "D");
    EXPECT_EQ(m.list(StartupSounds).size(), 2u);

    m.remove(0);
    m.remove(0);
    m.remove(0);
    EXPECT_EQ(m.controls(ShutdownSounds).next, "4") << "Remove leaves the next fields alone";
    m.remove(0);
    m.remove(0);
    EXPECT_TRUE(m.list(ShutdownSounds).empty());
    EXPECT_EQ(m.controls(ShutdownSounds).next, "4");

    m.chooseNext(1, StartupSounds);
    EXPECT_EQ(m.controls(StartupSounds).next, "2");
}

TEST_F(SoundModule, SaveWritesBothListsAppliesEachEnabledListAndTheSettingsOnceAtTheEnd)
{
    make({ "s1", "s2", "s3" }, { "x1", "x2" }, { "t", "3", "t", "1" });
    module->save();
    EXPECT_EQ(files->log,
        (Log { "write " + startList, "write " + exitList, "SystemStart s3", "SystemExit x1", "write " + cfg }));
    EXPECT_EQ(stored(), (LineList { "t", "1", "t", "2" }));
}

TEST_F(SoundModule, TheNextFieldsReachTheSettingsOnlyThroughAnAdvance)
{
    CycleModule& m = make({ "s1", "s2" }, { "x1", "x2" }, { "t", "1", "t", "2" });
    m.setEnabled(false, StartupSounds);
    m.setEnabled(false, ShutdownSounds);
    m.setRandom(true, ShutdownSounds);
    m.chooseNext(1, StartupSounds);
    m.save();
    EXPECT_EQ(files->writes(), (Log { "write " + startList, "write " + exitList, "write " + cfg }));
    EXPECT_EQ(stored(), (LineList { "f", "1", "f", "2" }));
}

TEST_F(SoundModule, ANextFieldOfZeroBecomesOne)
{
    CycleModule& m = make({ "s1", "s2", "s3" }, {}, { "t", "0", "t", "1" });
    m.save();
    EXPECT_EQ(files->writes()[2], "SystemStart s1");
    EXPECT_EQ(stored()[1], "2");
    EXPECT_EQ(m.controls(StartupSounds).next, "2") << "the field shows the stored position";
    EXPECT_EQ(stored()[3], "1") << "an empty shutdown list is not advanced";
}

TEST_F(SoundModule, RandomCyclingOverTwoAlternatesAndOverOneStays)
{
    make({ "s1", "s2" }, { "x1" }, { "tr", "1", "tr", "1" });
    random->draws = { 0 };
    module->save();
    EXPECT_EQ(stored(), (LineList { "tr", "2", "tr", "1" }));
    EXPECT_TRUE(random->draws.empty()) << "only the two-entry list draws";
}

TEST_F(SoundModule, AMissingRegistryKeySkipsOnlyItsList)
{
    make({ "s1", "s2" }, { "x1", "x2" }, { "t", "1", "t", "1" });
    keyExists[StartupSounds] = false;
    module->save();
    EXPECT_EQ(files->writes(), (Log { "write " + startList, "write " + exitList, "SystemExit x1", "write " + cfg }));
    EXPECT_EQ(stored(), (LineList { "t", "1", "t", "2" }));
}

TEST_F(SoundModule, AFailureInTheShutdownListKeepsTheStartupSoundButWritesNoSettings)
{
    CycleModule& m = make({ "s1", "s2" }, { "x1", "x2", "x3" }, { "t", "1", "t", "3" });
    m.setEditTarget(ShutdownSounds);
    m.remove(2);
    try {
        m.save();
        ADD_FAILURE() << "Save went through";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds");
    }
    EXPECT_EQ(files->writes(), (Log { "write " + startList, "write " + exitList, "SystemStart s1" }));
    EXPECT_EQ(stored(), (LineList { "t", "1", "t", "3" }));
    EXPECT_EQ(m.settings().next(StartupSounds), "2") << "advanced in memory";
}

TEST_F(SoundModule, ANextFieldThatIsNoNumberNamesItsText)
{
    make({ "s1" }, {}, { "t", "", "t", "1" });
    try {
        module->save();
        ADD_FAILURE() << "Save went through";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
}
