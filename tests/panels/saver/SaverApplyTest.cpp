#include "panels/saver/SaverApply.h"

#include "cycle/Exception.h"
#include "cycle/LineFiles.h"
#include "cycle/RecordingSystem.h"
#include "cycle/TemporaryFolder.h"
#include "support/MemoryLineFiles.h"
#include "support/MemoryRegistry.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace {

const std::string systemIni = "/win98/WINDOWS/system.ini";
const std::string desktop = "Control Panel\\Desktop";
using Log = std::vector<std::string>;
using Outcome = SaverApply::Outcome;

// Gives the 8.3 form Windows would give for the one long path the tests use.
class ShortNamingSystem : public RecordingSystem {
public:
    std::string shortPath(const std::string& path) override
    {
        return path == "C:\\Program Files\\Flying Toasters.scr" ? "C:\\PROGRA~1\\FLYING~1.SCR" : path;
    }
};

class SaverApplyTest : public ::testing::Test {
protected:
    SaverApplyTest()
    {
        registry->setSystemRoot("/win98/WINDOWS");
        registry->key(RegistryRoot::CurrentUser, desktop)["ScreenSaveActive"] = { RegistryValue::Kind::String, "0" };
    }

    // Applies `entry` to a system.ini holding `lines`; the failure's message, or "" on success.
    std::string apply(const LineList& lines, const std::string& entry)
    {
        files->files[systemIni] = lines;
        files->log.clear();
        try {
            outcome = step.apply(entry);
        } catch (const Exception& error) {
            return error.what();
        }
        return "";
    }

    std::string active() { return registry->text(RegistryRoot::CurrentUser, desktop, "ScreenSaveActive"); }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>(files->log);
    SaverApply step { registry, files, std::make_shared<ShortNamingSystem>() };
    Outcome outcome = Outcome::NotAScreenSaver;
};

struct Edit {
    const char* what;
    LineList before;
    LineList after;
    Outcome outcome;
};

void PrintTo(const Edit& edit, std::ostream* out)
{
    *out << edit.what;
}

class SaverLineEdit : public SaverApplyTest, public ::testing::WithParamInterface<Edit> { };

} // namespace

TEST_P(SaverLineEdit, PutsTheShortPathInTheRightLineAndSwitchesOnFirstOnlyWhenAdding)
{
    const Edit& edit = GetParam();
    ASSERT_EQ(apply(edit.before, "C:\\Program Files\\Flying Toasters.scr"), "");
    EXPECT_EQ(outcome, edit.outcome);
    EXPECT_EQ(files->files[systemIni], edit.after);
    Log expected;
    if (edit.outcome == Outcome::Added)
        expected.push_back("registry ScreenSaveActive=1");
    expected.push_back("write " + systemIni);
    EXPECT_EQ(files->writes(), expected);
    EXPECT_EQ(active(), edit.outcome == Outcome::Added ? "1" : "0");
}

const std::string newLine = "SCRNSAVE.EXE=C:\\PROGRA~1\\FLYING~1.SCR";

INSTANTIATE_TEST_SUITE_P(SystemIni, SaverLineEdit,
    ::testing::Values(Edit { "ReplacedInBoot",
                          { "[boot]", "shell=Explorer.exe", "SCRNSAVE.EXE=C:\\WINDOWS\\BLANK.SCR", "", "[386Enh]" },
                          { "[boot]", "shell=Explorer.exe", newLine, "", "[386Enh]" }, Outcome::Replaced },
        Edit { "FirstOfTwoInAnySectionAndCase",
            { "; system.ini", "[drivers]", "scrnsave.exe=old.scr", "[boot]", "SCRNSAVE.EXE=other.scr" },
            { "; system.ini", "[drivers]", newLine, "[boot]", "SCRNSAVE.EXE=other.scr" }, Outcome::Replaced },
        Edit {
            "AnyLineStartingWithTheEightLetters", { "[boot]", "ScrnSaveX" }, { "[boot]", newLine }, Outcome::Replaced },
        Edit { "IndentedLineIsNoMatch", { "[boot]", " SCRNSAVE.EXE=old.scr" },
            { "[boot]", newLine, " SCRNSAVE.EXE=old.scr" }, Outcome::Added },
        Edit { "AddedAfterBootOnTheFirstLine", { "[boot]", "shell=Explorer.exe" },
            { "[boot]", newLine, "shell=Explorer.exe" }, Outcome::Added },
        Edit { "AddedAfterTheFirstBootInAnyCase", { "; made by setup", "[386Enh]", "[Boot]", "a=1", "[BOOT]" },
            { "; made by setup", "[386Enh]", "[Boot]", newLine, "a=1", "[BOOT]" }, Outcome::Added },
        // Wine's and ReactOS's system.ini have no [boot]: Windows would never read a line in [mci].
        Edit { "BootAppendedWhenThereIsNone", { "[mci]", "cdaudio=mcicda.drv", "", "[drivers32]" },
            { "[mci]", "cdaudio=mcicda.drv", "", "[drivers32]", "[boot]", newLine }, Outcome::Added },
        Edit { "BootAppendedAfterTheOnlyLine", { "[drivers]" }, { "[drivers]", "[boot]", newLine }, Outcome::Added },
        // The file's first line is never taken as the match, neither the saver line nor [boot].
        Edit { "FirstLineNeverTaken", { "SCRNSAVE.EXE=old.scr", "[386Enh]", "[boot]" },
            { "SCRNSAVE.EXE=old.scr", "[386Enh]", "[boot]", newLine }, Outcome::Added },
        Edit { "BootOnLineZeroSkippedForALaterOne", { "[boot]", "x=1", "[boot]" },
            { "[boot]", "x=1", "[boot]", newLine }, Outcome::Added }),
    [](const ::testing::TestParamInfo<Edit>& info) { return std::string(info.param.what); });

TEST_F(SaverApplyTest, AnEntryThatIsNoScreenSaverWritesTheFileBackUnchanged)
{
    const LineList lines = { "[boot]", "SCRNSAVE.EXE=old.scr", "" };
    ASSERT_EQ(apply(lines, "C:\\SAVERS\\README.TXT"), "");
    EXPECT_EQ(outcome, Outcome::NotAScreenSaver);
    EXPECT_EQ(files->files[systemIni], lines);
    EXPECT_EQ(files->writes(), Log { "write " + systemIni });
    EXPECT_EQ(active(), "0");
}

TEST_F(SaverApplyTest, TheExtensionIsTakenAfterTheLastSeparator)
{
    for (const char* path : { "C:\\A.SCR", "a.scr", "/home/u/Savers/mystify.Scr", "C:mystify.sCr", "/home/u/.scr" })
        EXPECT_TRUE(SaverApply::isScreenSaver(path)) << path;
    for (const char* path : { "C:\\SAVERS.SCR\\MYSTIFY", "/home/u/old.scr/mystify", "D:saver", "mystify",
             "mystify.scr.bak", "mystify.scrx", "mystify.sc", "" })
        EXPECT_FALSE(SaverApply::isScreenSaver(path)) << path;
}

TEST_F(SaverApplyTest, FailuresLeaveSystemIniAsItWasWithTheScreenSaverAlreadySwitchedOn)
{
    // A file without any line can't take the line.
    EXPECT_EQ(apply({}, "C:\\A.SCR"), "Unable to insert a line");
    EXPECT_EQ(files->writes(), Log { "registry ScreenSaveActive=1" });

    files->uncreatable.insert(systemIni);
    EXPECT_EQ(apply({ "[boot]" }, "C:\\A.SCR"), "Cannot create file " + systemIni);
    EXPECT_EQ(files->files[systemIni], LineList { "[boot]" });
    EXPECT_EQ(files->writes(), (Log { "registry ScreenSaveActive=1", "write " + systemIni }));

    files->uncreatable.clear();
    files->unreadable.insert(systemIni);
    EXPECT_EQ(apply({ "[boot]" }, "C:\\A.SCR"), "Cannot open file " + systemIni);
    EXPECT_EQ(files->writes(), Log {});
}

TEST_F(SaverApplyTest, WithoutTheDesktopKeyTheLineIsStillAdded)
{
    registry->keys.erase({ RegistryRoot::CurrentUser, desktop });
    ASSERT_EQ(apply({ "[boot]" }, "C:\\A.SCR"), "");
    EXPECT_EQ(files->files[systemIni], (LineList { "[boot]", "SCRNSAVE.EXE=C:\\A.SCR" }));
    EXPECT_EQ(files->writes(), Log { "write " + systemIni });
}

TEST_F(SaverApplyTest, OnDiskEveryOtherLineAndTheTextAfterANulComeBack)
{
    TemporaryFolder folder;
    registry->setSystemRoot(folder.path() + "WINDOWS");
    std::filesystem::create_directory(folder.file("WINDOWS"));
    const std::string longLine = "x=" + std::string(1 << 20, 'v');
    const std::string afterNul("\0[drivers]\r\nwave=mmsound.drv\r\n", 30);
    folder.write("WINDOWS/system.ini", "; mixed\n[boot]\r\n" + longLine + "\rshell=Explorer.exe" + afterNul);
    SaverApply disk(registry, std::make_shared<LineFiles>(), std::make_shared<RecordingSystem>());

    EXPECT_EQ(disk.apply("/home/u/Savers/Mystify.SCR"), Outcome::Added);
    const std::string written = "; mixed\r\n[boot]\r\nSCRNSAVE.EXE=/home/u/Savers/Mystify.SCR\r\n" + longLine
        + "\r\nshell=Explorer.exe\r\n" + afterNul;
    EXPECT_EQ(folder.read("WINDOWS/system.ini"), written);

    ::chmod(folder.file("WINDOWS/system.ini").c_str(), 0444);
    try {
        disk.apply("/home/u/Savers/Other.scr");
        ADD_FAILURE() << "a read-only system.ini was replaced";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + folder.file("WINDOWS/system.ini"));
    }
    EXPECT_EQ(folder.read("WINDOWS/system.ini"), written);
}
