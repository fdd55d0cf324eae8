#include "panels/saver/SaverPanel.h"

#include "cycle/Exception.h"
#include "cycle/RecordingSystem.h"
#include "support/FailureOf.h"
#include "support/MemoryLineFiles.h"
#include "support/MemoryRegistry.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "/zentrel/";
const std::string dat = dir + "dozarn.dat";
const std::string cfg = dir + "dozarn.cfg";
const std::string systemIni = "/win98/WINDOWS/system.ini";
const std::string desktop = "Control Panel\\Desktop";
using Log = std::vector<std::string>;

const LineList typicalSystemIni
    = { "[boot]", "shell=Explorer.exe", "SCRNSAVE.EXE=C:\\WINDOWS\\BLANK.SCR", "", "[386Enh]", "woafont=dosapp.fon" };

LineList typicalWith(const std::string& saver)
{
    LineList lines = typicalSystemIni;
    lines[2] = "SCRNSAVE.EXE=" + saver;
    return lines;
}

class SaverPanelTest : public ::testing::Test {
protected:
    SaverPanelTest()
    {
        registry->setSystemRoot("/win98/WINDOWS");
        registry->key(RegistryRoot::CurrentUser, desktop)["ScreenSaveActive"] = { RegistryValue::Kind::String, "0" };
        files->files[systemIni] = typicalSystemIni;
    }

    SaverPanel& make(const LineList& entries, std::optional<LineList> settings = {})
    {
        files->files[dat] = entries;
        if (settings)
            files->files[cfg] = *settings;
        panel = std::make_unique<SaverPanel>(dir, registry, system, files, random);
        EXPECT_TRUE(panel->load().empty());
        files->log.clear();
        return *panel;
    }

    std::string failureOfSave()
    {
        return failureOf([this] { panel->save(); });
    }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>(files->log);
    std::shared_ptr<RecordingSystem> system = std::make_shared<RecordingSystem>();
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::unique_ptr<SaverPanel> panel;
};

} // namespace

TEST_F(SaverPanelTest, SaveAppliesTheNextEntryThenAdvances)
{
    SaverPanel& p = make({ "C:\\A.SCR", "C:\\B.SCR", "C:\\C.SCR" }, LineList { "t", "2" });
    p.save();
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg, "write " + systemIni, "write " + cfg }));
    EXPECT_EQ(files->files[systemIni], typicalWith("C:\\B.SCR"));
    EXPECT_EQ(files->files[cfg], (LineList { "t", "3" }));
    EXPECT_EQ(registry->text(RegistryRoot::CurrentUser, desktop, "ScreenSaveActive"), "0");
    EXPECT_EQ(p.controls().next, "3") << "the field shows the stored position";

    // The file is read afresh, so another program's edit survives; the next entry is applied.
    files->files[systemIni].push_back("[drivers]");
    p.save();
    LineList edited = typicalWith("C:\\C.SCR");
    edited.push_back("[drivers]");
    EXPECT_EQ(files->files[systemIni], edited);
}

TEST_F(SaverPanelTest, AnAddedLineSwitchesTheScreenSaverOnBeforeSystemIniIsWritten)
{
    files->files[systemIni] = { "[boot]", "shell=Explorer.exe" };
    make({ "C:\\A.SCR" });
    panel->save();
    EXPECT_EQ(files->files[systemIni], (LineList { "[boot]", "SCRNSAVE.EXE=C:\\A.SCR", "shell=Explorer.exe" }));
    EXPECT_EQ(files->writes(),
        (Log { "write " + dat, "write " + cfg, "registry ScreenSaveActive=1", "write " + systemIni, "write " + cfg }));
}

TEST_F(SaverPanelTest, PositionsWrapAndZeroCountsAsOneAndRandomNeverRepeats)
{
    struct Case {
        LineList entries;
        LineList settings;
        std::deque<std::size_t> draws;
        std::string applied;
        std::string stored;
    };
    for (const Case& c : {
             Case { { "A.scr", "B.scr", "C.scr" }, { "t", "0" }, {}, "A.scr", "2" },
             Case { { "A.scr", "B.scr", "C.scr" }, { "t", "3" }, {}, "C.scr", "1" },
             Case { { "A.scr", "B.scr" }, { "tr", "2" }, { 0 }, "B.scr", "1" },
             Case { { "A.scr", "B.scr" }, { "tr", "1" }, { 0 }, "A.scr", "2" },
             Case { { "A.scr" }, { "tr", "1" }, {}, "A.scr", "1" },
         }) {
        make(c.entries, c.settings);
        random->draws = c.draws;
        panel->save();
        EXPECT_EQ(files->files[systemIni][2], "SCRNSAVE.EXE=" + c.applied);
        EXPECT_EQ(files->files[cfg], (LineList { c.settings[0], c.stored }));
        EXPECT_TRUE(random->draws.empty());
    }
}

TEST_F(SaverPanelTest, AnEntryThatIsNoScreenSaverStillAdvances)
{
    make({ "C:\\SAVERS\\README.TXT", "C:\\B.SCR" });
    panel->save();
    EXPECT_EQ(files->files[systemIni], typicalSystemIni);
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg, "write " + systemIni, "write " + cfg }));
    EXPECT_EQ(files->files[cfg], (LineList { "t", "2" }));
}

TEST_F(SaverPanelTest, ADisabledOrEmptyListWritesOnlyItsOwnFiles)
{
    make({ "A.scr" }, LineList { "tr", "1" });
    panel->setEnabled(false);
    panel->save();
    EXPECT_EQ(files->log, (Log { "write " + dat, "write " + cfg }));
    EXPECT_EQ(files->files[cfg], (LineList { "f", "1" }));

    make({});
    files->unreadable.insert(systemIni);
    panel->save();
    EXPECT_EQ(files->log, (Log { "write " + dat, "write " + cfg }));
}

TEST_F(SaverPanelTest, FailuresStopBeforeSystemIniIsWrittenAndNothingAdvances)
{
    struct Case {
        std::string next;
        bool systemIniReadable;
        std::string message;
    };
    for (const Case& c : {
             Case { "x", false, "Cannot open file " + systemIni }, // reported before the position
             Case { "two", true, "'two' is not a valid integer value" },
             Case { "3", true, "List index out of bounds" },
             Case { "-1", true, "List index out of bounds" },
         }) {
        make({ "A.scr", "B.scr" }, LineList { "t", c.next });
        if (!c.systemIniReadable)
            files->unreadable.insert(systemIni);
        EXPECT_EQ(failureOfSave(), c.message);
        EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg }));
        EXPECT_EQ(files->files[cfg], (LineList { "t", c.next }));
        EXPECT_EQ(files->files[systemIni], typicalSystemIni);
        files->unreadable.clear();
    }
}

TEST_F(SaverPanelTest, TheSelectionFollowsInsertAndGoesWithTheRemovedEntry)
{
    SaverPanel& p = make({ "A", "B", "C" }, LineList { "t", "abc" });
    p.insert({ "X" });
    EXPECT_EQ(p.list().size(), 3u) << "nothing selected";
    p.select(1);
    p.insert({ "X", "Y" });
    EXPECT_EQ(p.list().entries(), (LineList { "A", "Y", "X", "B", "C" }));
    EXPECT_EQ(p.selected(), 3u);
    // The next field is no number: that is reported after the entry, and its row, are gone.
    EXPECT_THROW(p.remove(), Exception);
    EXPECT_EQ(p.list().entries(), (LineList { "A", "Y", "X", "C" }));
    EXPECT_EQ(p.selected(), std::nullopt);
}

TEST_F(SaverPanelTest, PreviewOpensAndOptionsRunsTheSelectedEntryWhole)
{
    SaverPanel& p = make({ "/home/u/My Savers/flying toasters.scr", "C:\\B.SCR" });
    p.preview();
    p.options();
    EXPECT_TRUE(system->requests.empty()) << "nothing selected";

    p.select(0);
    p.preview();
    p.options();
    p.select(7);
    p.preview();
    EXPECT_EQ(system->requests,
        (Log { "open /home/u/My Savers/flying toasters.scr", "run /home/u/My Savers/flying toasters.scr" }));

    p.select(1);
    p.chooseNext();
    EXPECT_EQ(p.controls().next, "2");
}
