#include "cycle/CycleModule.h"
#include "cycle/Exception.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "/prog/";

ModuleParameters flaggedModule()
{
    ModuleParameters module = singleListModule("pics.dat", "pics.cfg");
    module.settingsMayHoldMoreLines = true;
    module.newEntryFlag = std::string(1, 't');
    return module;
}

class CycleModuleEdit : public ::testing::Test {
protected:
    CycleModule& make(ModuleParameters parameters)
    {
        module = std::make_unique<CycleModule>(std::move(parameters), dir, files, random);
        EXPECT_TRUE(module->load().empty());
        return *module;
    }
    void storeList(const LineList& entries) { files->files[dir + "pics.dat"] = entries; }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::unique_ptr<CycleModule> module;
};

} // namespace

TEST_F(CycleModuleEdit, AddPutsTheChosenFilesInReverseAndSkipsEmptyNames)
{
    storeList({ "X" });
    CycleModule& m = make(singleListModule("pics.dat", "pics.cfg"));
    m.add({ "A", "", "B", "C" });
    EXPECT_EQ(m.list().entries(), (LineList { "X", "C", "B", "A" }));
}

TEST_F(CycleModuleEdit, NamesHoldingLineBreaksOrNulAreRefusedWithNothingAdded)
{
    storeList({ "X" });
    CycleModule& m = make(singleListModule("pics.dat", "pics.cfg"));
    for (std::string bad : { std::string("two\r\nlines"), std::string("lf\nonly"), std::string("nul\0x", 5) }) {
        try {
            m.add({ "A", bad, "B" });
            ADD_FAILURE() << "accepted a name with a control character";
        } catch (const Exception& error) {
            EXPECT_NE(std::string(error.what()).find("line break"), std::string::npos);
        }
        EXPECT_THROW(m.insert({ bad }, 0), Exception);
    }
    EXPECT_EQ(m.list().entries(), LineList { "X" });
}

TEST_F(CycleModuleEdit, InsertPutsTheBlockBeforeTheSelectedEntryWhichMovesDown)
{
    storeList({ "1", "2", "3", "4", "5" });
    CycleModule& m = make(singleListModule("pics.dat", "pics.cfg"));
    CycleModule::Row selected = m.insert({ "A", "B" }, 2);
    EXPECT_EQ(m.list().entries(), (LineList { "1", "2", "B", "A", "3", "4", "5" }));
    EXPECT_EQ(selected, 4u);
    EXPECT_EQ(m.list().at(*selected), "3");
    EXPECT_EQ(m.controls().next, "1") << "inserting leaves the next field alone";
}

TEST_F(CycleModuleEdit, InsertWithoutSelectionFollowsTheModulesRule)
{
    storeList({ "X" });
    ModuleParameters parameters = singleListModule("pics.dat", "pics.cfg");

    parameters.insertWithoutSelection = WhenNothingSelected::InsertNothing;
    EXPECT_EQ(make(parameters).insert({ "A", "B" }, std::nullopt), std::nullopt);
    EXPECT_EQ(module->list().entries(), LineList { "X" });
    module->insert({ "A" }, 7); // a row the list no longer has counts as no selection
    EXPECT_EQ(module->list().entries(), LineList { "X" });

    parameters.insertWithoutSelection = WhenNothingSelected::Append;
    EXPECT_EQ(make(parameters).insert({ "A", "B" }, std::nullopt), std::nullopt);
    EXPECT_EQ(module->list().entries(), (LineList { "X", "B", "A" }));

    parameters.insertWithoutSelection = WhenNothingSelected::AppendIfOtherListSelected;
    make(parameters).insert({ "A" }, std::nullopt, false);
    EXPECT_EQ(module->list().entries(), LineList { "X" });
    module->insert({ "A" }, std::nullopt, true);
    EXPECT_EQ(module->list().entries(), (LineList { "X", "A" }));
}

TEST_F(CycleModuleEdit, RemoveDeletesTheSelectedEntryAndPullsNextBackIntoRange)
{
    storeList({ "A", "B", "C" });
    files->files[dir + "pics.cfg"] = { "t", "3" };
    CycleModule& m = make(singleListModule("pics.dat", "pics.cfg"));

    EXPECT_EQ(m.remove(0), std::nullopt) << "the list control has no selection after a deletion";
    EXPECT_EQ(m.list().entries(), (LineList { "B", "C" }));
    EXPECT_EQ(m.controls().next, "2");
    m.remove(1);
    EXPECT_EQ(m.controls().next, "1");
    m.remove(0);
    EXPECT_EQ(m.controls().next, "0");
    EXPECT_TRUE(m.list().empty());
}

TEST_F(CycleModuleEdit, RemoveBeforeTheNextEntryDoesNotShiftIt)
{
    storeList({ "A", "B", "C", "D" });
    files->files[dir + "pics.cfg"] = { "t", "2" };
    CycleModule& m = make(singleListModule("pics.dat", "pics.cfg"));
    m.remove(0);
    EXPECT_EQ(m.controls().next, "2"); // now names C, the entry that followed B
}

TEST_F(CycleModuleEdit, RemoveWithoutSelectionOnlyPullsNextBack)
{
    storeList({ "A", "B", "C" });
    files->files[dir + "pics.cfg"] = { "t", "9" };
    CycleModule& m = make(singleListModule("pics.dat", "pics.cfg"));
    m.remove(std::nullopt);
    EXPECT_EQ(m.list().size(), 3u);
    EXPECT_EQ(m.controls().next, "3");
}

TEST_F(CycleModuleEdit, RemoveWithANextFieldThatIsNoNumberDeletesThenReports)
{
    storeList({ "A", "B" });
    files->files[dir + "pics.cfg"] = { "t", "x" };
    CycleModule& m = make(singleListModule("pics.dat", "pics.cfg"));
    try {
        m.remove(0);
        ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
    }
    EXPECT_EQ(m.list().entries(), LineList { "B" });
    EXPECT_EQ(m.controls().next, "x");
}

TEST_F(CycleModuleEdit, RemoveLeavesNextAloneWhereTheModuleSaysSo)
{
    storeList({ "A", "B", "C" });
    files->files[dir + "pics.cfg"] = { "t", "3" };
    ModuleParameters parameters = singleListModule("pics.dat", "pics.cfg");
    parameters.removePullsBackNext = false;
    CycleModule& m = make(parameters);
    m.remove(2);
    m.remove(1);
    EXPECT_EQ(m.controls().next, "3");
}

TEST_F(CycleModuleEdit, ChooseNextTakesTheOneBasedPositionOfTheSelectedEntry)
{
    storeList({ "A", "B", "C" });
    CycleModule& m = make(singleListModule("pics.dat", "pics.cfg"));
    m.chooseNext(2);
    EXPECT_EQ(m.controls().next, "3");
    m.chooseNext(std::nullopt);
    EXPECT_EQ(m.controls().next, "3");
    m.add({ "D" });
    EXPECT_EQ(m.controls().next, "3");
}

TEST_F(CycleModuleEdit, FlagLinesFollowTheEntriesThroughEveryEdit)
{
    storeList({ "A", "B", "C" });
    files->files[dir + "pics.cfg"] = { "t", "1", "f", "t", "f", "x", "t" }; // two flags too many
    CycleModule& m = make(flaggedModule());
    EXPECT_EQ(m.settings().lines(), (LineList { "t", "1", "f", "t", "f" }));

    m.add({ "D" });
    m.setFlag(3, "f");
    m.insert({ "E", "F" }, 1); // F, E before B
    EXPECT_EQ(m.list().entries(), (LineList { "A", "F", "E", "B", "C", "D" }));
    EXPECT_EQ(m.settings().lines(), (LineList { "t", "1", "f", "t", "t", "t", "f", "f" }));

    m.remove(0);
    EXPECT_EQ(m.flag(0), "t");
    EXPECT_EQ(m.flag(2), "t") << "B keeps its own flag";
    EXPECT_EQ(m.flag(3), "f") << "and C its own";
    EXPECT_EQ(m.settings().flagCount(), m.list().size());

    m.insert({ "G" }, std::nullopt); // inserts nothing, adds no flag
    EXPECT_EQ(m.settings().flagCount(), m.list().size());
}

TEST_F(CycleModuleEdit, LoadAddsMissingFlagsAsTile)
{
    storeList({ "A", "B" });
    files->files[dir + "pics.cfg"] = { "f", "2" };
    CycleModule& m = make(flaggedModule());
    EXPECT_EQ(m.settings().lines(), (LineList { "f", "2", "t", "t" }));
}

TEST_F(CycleModuleEdit, TheFileCheckRefusesWithAMessageAndTheOthersFollow)
{
    storeList({ "X" });
    ModuleParameters parameters = singleListModule("pics.dat", "pics.cfg");
    parameters.checkFile = [](const std::string& path) -> std::optional<std::string> {
        if (path == "bad")
            throw Exception(formatMessage("Cannot open file %s", path));
        if (path.starts_with("B"))
            return "refused " + path;
        return std::nullopt;
    };
    CycleModule& m = make(parameters);
    std::vector<std::string> told;
    m.setRejectionNotice([&](const std::string& message) { told.push_back(message); });

    m.add({ "A", "B", "C" });
    EXPECT_EQ(m.list().entries(), (LineList { "X", "C", "A" }));
    EXPECT_EQ(told, std::vector<std::string> { "refused B" });

    // A check that fails outright ends the choice; what it accepted before stays listed.
    EXPECT_THROW(m.insert({ "D", "bad", "E", "F" }, 0), Exception);
    EXPECT_EQ(m.list().entries(), (LineList { "F", "E", "X", "C", "A" }));
}
