#include "cycle/StandInMachine.h"

#include "cycle/Exception.h"
#include "cycle/LineList.h"
#include "cycle/RegistryServices.h"
#include "cycle/StaleTemporaries.h"
#include "cycle/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

LineList linesOf(const std::string& path)
{
    LineList lines;
    readLineList(path, lines);
    return lines;
}

} // namespace

TEST(StandInMachine, FirstStartMakesAWindowsDirectoryTheRegistryNames)
{
    TemporaryFolder program;
    StandInMachine machine(program.path());
    auto registry = machine.openRegistry();

    EXPECT_EQ(windowsDirectory(*registry), program.path() + "machine/c/WINDOWS");
    EXPECT_EQ(program.entryCount(), 1u) << "no scaffolding left beside the program";

    const std::string win = program.file("machine/c/WINDOWS/win.ini");
    const std::string system = program.file("machine/c/WINDOWS/system.ini");
    EXPECT_NE(
        TemporaryFolder::readPath(win).find("[Desktop]\r\nWallpaper=(None)\r\nTileWallpaper=1\r\n"), std::string::npos);
    // The apply steps find exactly one line of each kind they edit.
    EXPECT_EQ(findLinesByPrefix(linesOf(win), 10, "WALLPAPER=").size(), 1u);
    EXPECT_EQ(findLinesByPrefix(linesOf(win), 10, "TILEWALLPA").size(), 1u);
    const LineList systemLines = linesOf(system);
    EXPECT_EQ(systemLines.front(), "[boot]");
    auto saver = findLinesByPrefix(systemLines, 8, "SCRNSAVE");
    ASSERT_EQ(saver.size(), 1u);
    EXPECT_EQ(systemLines[saver[0]], "SCRNSAVE.EXE=");
    EXPECT_EQ(TemporaryFolder::readPath(system).find('\n'), TemporaryFolder::readPath(system).find("\r\n") + 1);
}

TEST(StandInMachine, HoldsTheKeysTheModulesWriteTo)
{
    TemporaryFolder program;
    auto registry = StandInMachine(program.path()).openRegistry();
    auto desktop = registry->openKey(RegistryRoot::CurrentUser, "\\Control Panel\\Desktop");
    ASSERT_TRUE(desktop);
    for (const char* name : { "Wallpaper", "TileWallpaper", "ScreenSaveActive" })
        EXPECT_EQ(desktop->queryValue(name).kind, RegistryValue::Kind::String) << name;
    // The sound module's two events, and a Windows 98 theme's others.
    for (const char* event : { ".Default\\SystemStart", ".Default\\SystemExit", ".Default\\.Default",
             ".Default\\MailBeep", "Explorer\\EmptyRecycleBin", "SoundRec\\Open" }) {
        auto key = registry->openKey(
            RegistryRoot::CurrentUser, std::string("\\AppEvents\\Schemes\\Apps\\") + event + "\\.Current");
        ASSERT_TRUE(key) << event;
        EXPECT_EQ(key->queryValue("").kind, RegistryValue::Kind::String) << event;
    }
}

TEST(StandInMachine, AnExistingMachineIsNeverRewritten)
{
    TemporaryFolder program;
    StandInMachine machine(program.path());
    machine.ensureExists();
    program.write("machine/c/WINDOWS/win.ini", "[Desktop]\r\nWallpaper=/mine.bmp\r\n");
    ::unlink(program.file("machine/c/WINDOWS/system.ini").c_str());

    StandInMachine(program.path()).openRegistry();
    EXPECT_EQ(program.read("machine/c/WINDOWS/win.ini"), "[Desktop]\r\nWallpaper=/mine.bmp\r\n");
    EXPECT_FALSE(std::filesystem::exists(program.file("machine/c/WINDOWS/system.ini")));

    TemporaryFolder bare;
    ::mkdir(bare.file("machine").c_str(), 0755);
    StandInMachine(bare.path()).ensureExists();
    EXPECT_FALSE(std::filesystem::exists(bare.file("machine/registry.reg")));
}

TEST(StandInMachine, AProgramDirectoryWithQuotesAndBackslashesIsNamedExactly)
{
    TemporaryFolder top;
    const std::string odd = top.file("my \"odd\" \\ folder/");
    ::mkdir(odd.c_str(), 0755);
    auto registry = StandInMachine(odd).openRegistry();
    EXPECT_EQ(windowsDirectory(*registry), odd + "machine/c/WINDOWS");
}

TEST(StandInMachine, AMissingProgramDirectoryIsReported)
{
    TemporaryFolder top;
    const std::string gone = top.file("gone/");
    try {
        StandInMachine(gone).ensureExists();
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + gone + "machine/registry.reg");
    }
}

TEST(StandInMachine, StartUpRemovesWhatKilledWritesLeftInItsFolders)
{
    TemporaryFolder program;
    StandInMachine machine(program.path());
    machine.ensureExists();
    pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string left[]
        = { "murello.cfg", "machine/registry.reg", "machine/c/WINDOWS/win.ini", "machine/c/logo.sys" };
    for (const std::string& path : left) {
        auto slash = path.rfind('/') + 1;
        program.write(path.substr(0, slash) + temporaryFileName(path.substr(slash), ended, 0), "half");
    }
    // Half-made machines of killed first starts, of this version and of earlier ones.
    for (const std::string& scaffold : { temporaryFileName("machine", ended, 1), std::string(".machine-Ab12Cd") }) {
        std::filesystem::create_directories(program.file(scaffold + "/c/WINDOWS"));
        program.write(scaffold + "/registry.reg", "half");
    }

    machine.removeStaleTemporaries();

    auto entriesIn = [&](const std::string& folder) {
        return std::distance(std::filesystem::directory_iterator(program.file(folder)), {});
    };
    EXPECT_EQ(entriesIn(""), 1) << "the machine alone";
    EXPECT_EQ(entriesIn("machine"), 2) << "the registry store and c/";
    EXPECT_EQ(entriesIn("machine/c/WINDOWS"), 2) << "win.ini and system.ini";
    EXPECT_EQ(entriesIn("machine/c"), 1) << "the Windows directory";
}

TEST(StandInMachine, AMovedProgramFolderKeepsItsOwnMachine)
{
    TemporaryFolder top;
    std::filesystem::create_directory(top.file("first"));
    StandInMachine(top.file("first/")).ensureExists();
    std::filesystem::rename(top.file("first"), top.file("moved"));
    RegistryFile registry(StandInMachine(top.file("moved/")).registryPath());
    EXPECT_EQ(windowsDirectory(registry), top.file("moved/machine/c/WINDOWS"));

    // An absolute SystemRoot is taken as it stands.
    top.write("moved/machine/registry.reg",
        "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\r\n"
        "\"SystemRoot\"=\"/mnt/win98/WINDOWS\"\r\n");
    EXPECT_EQ(windowsDirectory(registry), "/mnt/win98/WINDOWS");
}
