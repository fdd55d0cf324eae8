#include "panels/theme/ThemeModule.h"

#include "cycle/CycleModule.h"
#include "cycle/Exception.h"
#include "cycle/RecordingSystem.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "/z/";
const std::string listFile = dir + "ambrel.dat";
const std::string settingsFile = dir + "ambrel.cfg";

using Log = std::vector<std::string>;

// Puts each shell request into the file log, so the order of writes and verbs shows.
class LoggingShell : public RecordingSystem {
public:
    explicit LoggingShell(Log& log)
        : m_log(log)
    {
    }
    void shellExecute(const std::string& verb, const std::string& target) override
    {
        RecordingSystem::shellExecute(verb, target);
        m_log.push_back(verb + " " + target);
    }

private:
    Log& m_log;
};

class ThemeSave : public ::testing::Test {
protected:
    CycleModule& make(const LineList& entries, const LineList& settings)
    {
        files->files[listFile] = entries;
        files->files[settingsFile] = settings;
        module = std::make_unique<CycleModule>(themeModule(shell), dir, files, random);
        EXPECT_TRUE(module->load().empty());
        files->log.clear();
        return *module;
    }
    std::string saveFailure()
    {
        try {
            module->save();
        } catch (const Exception& error) {
            return error.what();
        }
        return "";
    }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::shared_ptr<LoggingShell> shell = std::make_shared<LoggingShell>(files->log);
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::unique_ptr<CycleModule> module;
};

} // namespace

TEST_F(ThemeSave, AppliesTheStoredPositionThroughTheShellBetweenTwoSettingsWrites)
{
    struct Case {
        const char* name;
        LineList entries;
        LineList settings;
        Log writes;
        LineList stored;
    };
    const Case cases[] = {
        { "in order from the last", { "a.theme", "b.theme", "c.theme" }, { "t", "3" },
            { "write /z/ambrel.dat", "write /z/ambrel.cfg", "Apply Settings c.theme", "write /z/ambrel.cfg" },
            { "t", "1" } },
        { "zero counts as one", { "a.theme", "b.theme" }, { "t", "0" },
            { "write /z/ambrel.dat", "write /z/ambrel.cfg", "Apply Settings a.theme", "write /z/ambrel.cfg" },
            { "t", "2" } },
        { "disabled", { "a.theme" }, { "f", "1" }, { "write /z/ambrel.dat", "write /z/ambrel.cfg" }, { "f", "1" } },
        { "empty list", {}, { "t", "4" }, { "write /z/ambrel.dat", "write /z/ambrel.cfg" }, { "t", "4" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        make(c.entries, c.settings).save();
        EXPECT_EQ(files->writes(), c.writes);
        EXPECT_EQ(files->files[settingsFile], c.stored);
    }
}

TEST_F(ThemeSave, RandomOverTwoEntriesNeverRepeatsTheOneJustApplied)
{
    CycleModule& m = make({ "a.theme", "b.theme" }, { "tr", "2" });
    random->draws = { 1, 1, 0 };
    m.save();
    EXPECT_EQ(shell->requests, Log { "Apply Settings b.theme" });
    EXPECT_EQ(files->files[settingsFile], (LineList { "tr", "1" }));
}

TEST_F(ThemeSave, ABadPositionStopsAfterBothFilesWithNothingApplied)
{
    const std::pair<const char*, const char*> cases[] = {
        { "3", "List index out of bounds" },
        { "-1", "List index out of bounds" },
        { "x2", "'x2' is not a valid integer value" },
    };
    for (auto [next, message] : cases) {
        make({ "a.theme", "b.theme" }, { "t", next });
        EXPECT_EQ(saveFailure(), message);
        EXPECT_EQ(files->writes(), (Log { "write /z/ambrel.dat", "write /z/ambrel.cfg" }));
        EXPECT_TRUE(shell->requests.empty());
    }
}

TEST_F(ThemeSave, PreviewOpensTheSelectedThemeOnly)
{
    CycleModule& m = make({ "a.theme", "b.theme" }, { "t", "1" });
    openSelectedTheme(*shell, m.list(), std::nullopt);
    openSelectedTheme(*shell, m.list(), 5);
    openSelectedTheme(*shell, m.list(), 1);
    EXPECT_EQ(shell->requests, Log { "open b.theme" });
}
