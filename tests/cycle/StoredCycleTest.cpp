#include "cycle/CycleModule.h"
#include "cycle/Exception.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "/prog/";
const std::string listFile = dir + "x.dat";
const std::string settingsFile = dir + "x.cfg";

using Log = std::vector<std::string>;

// Cycling a one-list module from its stored settings, as done at each system start.
class StoredCycleTest : public ::testing::Test {
protected:
    CycleModule& make(const LineList& entries, std::optional<LineList> settings, bool prepared = true)
    {
        files->files[listFile] = entries;
        if (settings)
            files->files[settingsFile] = *settings;
        ModuleParameters parameters = singleListModule("x.dat", "x.cfg");
        ApplyHooks& hooks = parameters.apply.at(0);
        hooks.prepare = [this, prepared] {
            files->log.push_back("prepare");
            return prepared;
        };
        hooks.apply = [this](const AppliedEntry& entry) { files->log.push_back("apply " + entry.path); };
        hooks.finish = [this](const AppliedEntry& entry) { files->log.push_back("finish " + entry.path); };
        module = std::make_unique<CycleModule>(parameters, dir, files, random);
        module->load();
        files->log.clear();
        return *module;
    }
    std::string failure()
    {
        try {
            module->cycleStored();
        } catch (const Exception& error) {
            return error.what();
        }
        return "no failure";
    }
    LineList stored() { return files->files[settingsFile]; }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::unique_ptr<CycleModule> module;
};

} // namespace

TEST_F(StoredCycleTest, AppliesTheStoredPositionAndWritesOnlyTheAdvancedSettings)
{
    struct Case {
        LineList settings;
        std::size_t applied, next;
    };
    for (const Case& c : {
             Case { { "t", "2" }, 2, 3 }, Case { { "t", "3" }, 3, 1 }, // wraps
             Case { { "t", "0" }, 1, 2 }, // 0 counts as 1
             Case { { "tx", "1" }, 1, 2 }, // any code beginning with "t" is enabled, in order
         }) {
        make({ "A", "B", "C" }, c.settings);
        StoredCycle cycle = module->cycleStored();
        EXPECT_EQ(cycle.outcome, StoredCycle::Outcome::Applied);
        EXPECT_EQ(cycle.entry.position, c.applied);
        EXPECT_EQ(cycle.next, c.next);
        std::string path(1, static_cast<char>('A' + c.applied - 1));
        EXPECT_EQ(files->writes(), (Log { "prepare", "apply " + path, "write " + settingsFile, "finish " + path }));
        EXPECT_EQ(stored(), (LineList { c.settings[0], std::to_string(c.next) }));
    }
}

TEST_F(StoredCycleTest, DisabledEmptyOrDeclinedListsChangeNothing)
{
    struct Case {
        LineList entries, settings;
        bool prepared;
        StoredCycle::Outcome outcome;
        Log writes;
    };
    for (const Case& c : {
             Case { { "A" }, { "f", "1" }, true, StoredCycle::Outcome::Disabled, {} },
             Case { { "A" }, { "", "1" }, true, StoredCycle::Outcome::Disabled, {} },
             Case { {}, { "t", "1" }, true, StoredCycle::Outcome::EmptyList, {} },
             Case { { "A" }, { "t", "1" }, false, StoredCycle::Outcome::Skipped, { "prepare" } },
         }) {
        make(c.entries, c.settings, c.prepared);
        EXPECT_EQ(module->cycleStored().outcome, c.outcome);
        EXPECT_EQ(files->writes(), c.writes);
        EXPECT_EQ(stored(), c.settings);
    }
}

TEST_F(StoredCycleTest, RandomNeverRepeatsTheEntryJustApplied)
{
    make({ "A" }, LineList { "tr", "1" });
    EXPECT_EQ(module->cycleStored().next, 1u) << "one entry stays on 1 without a draw";

    make({ "A", "B" }, LineList { "tr", "2" });
    random->draws = { 0, 0 };
    EXPECT_EQ(module->cycleStored().next, 1u);
    EXPECT_EQ(random->lastRange, 1u) << "the draw is among the other entries only";
    make({ "A", "B" }, stored());
    EXPECT_EQ(module->cycleStored().next, 2u) << "two entries alternate";
}

TEST_F(StoredCycleTest, ADryRunRunsNoStepAndWritesNothing)
{
    make({ "A", "B", "C" }, LineList { "t", "3" });
    StoredCycle cycle = module->cycleStored(0, false);
    EXPECT_EQ(cycle.entry.path, "C");
    EXPECT_EQ(cycle.next, 1u);
    make({ "A", "B", "C" }, LineList { "tr", "3" });
    EXPECT_EQ(module->cycleStored(0, false).next, 0u) << "a random position is not drawn";
    EXPECT_TRUE(files->writes().empty());
}

TEST_F(StoredCycleTest, BadPositionsAndDamagedFilesFailWithoutWriting)
{
    make({ "A", "B" }, LineList { "t", "x1" });
    EXPECT_EQ(failure(), "'x1' is not a valid integer value");
    for (const char* next : { "3", "-1" }) {
        make({ "A", "B" }, LineList { "t", next });
        EXPECT_EQ(failure(), "List index out of bounds");
    }
    // The panel would start from the defaults; at start the file is kept for the user to see.
    make({ "A", "B" }, LineList { "t", "1", "extra" });
    EXPECT_EQ(failure(), "The settings file " + settingsFile + " is damaged");
    files->unreadable.insert(listFile);
    make({ "A", "B" }, LineList { "t", "1" });
    EXPECT_EQ(failure(), "Cannot open file " + listFile);
    EXPECT_EQ(files->writes(), (Log {})) << "nothing was applied or written";

    files->unreadable.clear();
    make({ "A" }, std::nullopt);
    EXPECT_EQ(module->cycleStored().entry.path, "A") << "a missing settings file means the defaults";
    EXPECT_EQ(stored(), (LineList { "t", "1" }));
}

TEST_F(StoredCycleTest, CyclesWhateverSwitchCodeThePanelShowsTicked)
{
    for (const char* code : { "t", "tr", "f", "T", "tR", "x" }) {
        files->files[listFile] = { "/a", "/b" };
        files->files[settingsFile] = { code, "1" };
        ModuleParameters parameters = singleListModule("x.dat", "x.cfg");
        parameters.enabledAtCreation = true; // as the wallpaper panel's switch is
        CycleModule module(parameters, dir, files, random);
        module.load();
        StoredCycle cycle = module.cycleStored(0, false);
        EXPECT_EQ(cycle.outcome != StoredCycle::Outcome::Disabled, module.controls().enabled) << code;
        EXPECT_EQ(cycle.random, module.controls().random) << code;
    }
}
