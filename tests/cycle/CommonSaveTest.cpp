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

// The common Save sequence of a one-list module, with apply hooks that log into the file log.
class CommonSave : public ::testing::Test {
protected:
    ApplyHooks loggingHooks()
    {
        ApplyHooks hooks;
        hooks.prepare = [this] {
            files->log.push_back("prepare");
            return true;
        };
        hooks.apply = [this](const AppliedEntry& entry) { files->log.push_back("apply " + entry.path); };
        hooks.finish = [this](const AppliedEntry& entry) { files->log.push_back("finish " + entry.path); };
        return hooks;
    }
    CycleModule& make(const LineList& entries, const LineList& settings, std::optional<ApplyHooks> hooks = {})
    {
        files->files[listFile] = entries;
        files->files[settingsFile] = settings;
        ModuleParameters parameters = singleListModule("x.dat", "x.cfg");
        parameters.apply = { hooks ? *hooks : loggingHooks() };
        module = std::make_unique<CycleModule>(parameters, dir, files, random);
        EXPECT_TRUE(module->load().empty());
        files->log.clear();
        return *module;
    }
    void expectSaveFails(const std::string& message)
    {
        try {
            module->save();
            ADD_FAILURE() << "Save went through";
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
    LineList stored() { return files->files[settingsFile]; }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::unique_ptr<CycleModule> module;
};

using Log = std::vector<std::string>;

} // namespace

TEST_F(CommonSave, WritesBothFilesAppliesTheNextEntryThenStoresTheAdvancedPosition)
{
    CycleModule& m = make({ "A", "B", "C" }, { "t", "2" });
    m.save();
    EXPECT_EQ(files->writes(),
        (Log {
            "write " + listFile, "write " + settingsFile, "prepare", "apply B", "write " + settingsFile, "finish B" }));
    EXPECT_EQ(stored(), (LineList { "t", "3" }));
    EXPECT_EQ(m.controls().next, "3") << "the field shows the position stored";

    files->log.clear();
    m.save();
    EXPECT_EQ(files->writes()[3], "apply C") << "a second Save in the same run goes on";
}

TEST_F(CommonSave, TheLastPositionWrapsToTheFirst)
{
    CycleModule& m = make({ "A", "B", "C" }, { "t", "3" });
    m.save();
    EXPECT_EQ(files->writes()[3], "apply C");
    EXPECT_EQ(stored(), (LineList { "t", "1" }));
}

TEST_F(CommonSave, PositionZeroCountsAsTheFirst)
{
    CycleModule& m = make({ "A", "B", "C" }, { "t", "0" });
    m.save();
    EXPECT_EQ(files->writes()[3], "apply A");
    EXPECT_EQ(stored(), (LineList { "t", "2" }));
}

TEST_F(CommonSave, RandomDrawsAnotherPosition)
{
    CycleModule& m = make({ "A", "B", "C" }, { "tr", "2" });
    random->draws = { 1 }; // the second of the two others
    m.save();
    EXPECT_EQ(random->lastRange, 2u);
    EXPECT_EQ(stored(), (LineList { "tr", "3" }));
}

TEST_F(CommonSave, ADisabledModuleStoresItsSwitchesAndAppliesNothing)
{
    CycleModule& m = make({ "A", "B" }, { "t", "2" });
    m.setEnabled(false);
    m.setRandom(true);
    m.chooseNext(0);
    m.save();
    EXPECT_EQ(files->writes(), (Log { "write " + listFile, "write " + settingsFile }));
    EXPECT_EQ(stored(), (LineList { "f", "1" })) << "disabled stores f whatever random shows";
}

TEST_F(CommonSave, AnEmptyListIsWrittenButNothingApplied)
{
    CycleModule& m = make({}, { "t", "0" });
    m.save();
    EXPECT_EQ(files->writes(), (Log { "write " + listFile, "write " + settingsFile }));
    EXPECT_EQ(files->files[listFile], LineList {});
    EXPECT_EQ(stored(), (LineList { "t", "0" }));
}

TEST_F(CommonSave, ANextFieldThatIsNoNumberStopsAfterTheFilesAndThePreparation)
{
    make({ "A" }, { "t", "1a" });
    expectSaveFails("'1a' is not a valid integer value");
    EXPECT_EQ(files->writes(), (Log { "write " + listFile, "write " + settingsFile, "prepare" }));
    EXPECT_EQ(stored(), (LineList { "t", "1a" }));
}

TEST_F(CommonSave, APositionOutsideTheListIsRefusedBeforeApplying)
{
    for (const char* next : { "4", "-1" }) {
        make({ "A", "B", "C" }, { "t", next });
        expectSaveFails("List index out of bounds");
        EXPECT_EQ(files->writes(), (Log { "write " + listFile, "write " + settingsFile, "prepare" }));
        EXPECT_EQ(stored(), (LineList { "t", next }));
    }
}

TEST_F(CommonSave, RemovingTheLastEntriesAndSavingAgainTreatsZeroAsOne)
{
    CycleModule& m = make({ "A" }, { "t", "1" });
    m.remove(0);
    EXPECT_EQ(m.controls().next, "0");
    m.add({ "B" });
    m.save();
    EXPECT_EQ(files->writes()[3], "apply B");
    EXPECT_EQ(stored(), (LineList { "t", "1" }));
}

TEST_F(CommonSave, AListFileThatCannotBeCreatedStopsEverything)
{
    make({ "A" }, { "t", "1" });
    files->uncreatable.insert(listFile);
    expectSaveFails("Cannot create file " + listFile);
    EXPECT_EQ(files->writes(), Log { "write " + listFile });
}

TEST_F(CommonSave, ASettingsFileThatCannotBeCreatedStopsBeforeApplying)
{
    make({ "A" }, { "t", "1" });
    files->uncreatable.insert(settingsFile);
    expectSaveFails("Cannot create file " + settingsFile);
    EXPECT_EQ(files->writes(), (Log { "write " + listFile, "write " + settingsFile }));
}

TEST_F(CommonSave, AFailingApplyStepLeavesTheUnadvancedSettings)
{
    ApplyHooks failing;
    failing.apply
        = [](const AppliedEntry& entry) { throw Exception(formatMessage("Cannot create file %s", entry.path)); };
    make({ "A", "B" }, { "t", "1" }, failing);
    expectSaveFails("Cannot create file A");
    EXPECT_EQ(stored(), (LineList { "t", "1" }));
}
