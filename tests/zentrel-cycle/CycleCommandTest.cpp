// Runs zentrel-cycle's command on a program folder with a stand-in machine of its own.
#include "zentrel-cycle/CycleCommand.h"

#include "cycle/Exception.h"
#include "cycle/StaleTemporaries.h"
#include "cycle/StandInMachine.h"
#include "cycle/TemporaryFolder.h"
#include "zentrel-cycle/RunLock.h"

#include <QImage>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome {
    int exitCode;
    std::string out, errors;
};

class CycleCommandTest : public ::testing::Test {
protected:
    CycleCommandTest() { StandInMachine(folder.path()).ensureExists(); }

    Outcome run(std::vector<std::string> arguments)
    {
        arguments.push_back("--program-dir=" + folder.path());
        std::ostringstream out, errors;
        int exitCode = runCycleCommand(arguments, out, errors);
        return { exitCode, out.str(), errors.str() };
    }
    // The command in a child process with its own output; a child still running after 30 seconds is
    // killed, so no case can hang the test.
    Outcome runInChild(std::vector<std::string> arguments, rlim_t memoryLimit = RLIM_INFINITY)
    {
        arguments.push_back("--program-dir=" + folder.path());
        pid_t child = ::fork();
        if (child == 0) {
            rlimit limit { memoryLimit, memoryLimit };
            if (!std::freopen(outputs.file("out").c_str(), "w", stdout)
                || !std::freopen(outputs.file("errors").c_str(), "w", stderr)
                || (memoryLimit != RLIM_INFINITY && ::setrlimit(RLIMIT_AS, &limit) != 0))
                ::_exit(99);
            int exitCode = runCycleCommand(arguments, std::cout, std::cerr);
            std::cout.flush();
            std::cerr.flush();
            ::_exit(exitCode);
        }
        int status = 0;
        for (int waited = 0; ::waitpid(child, &status, WNOHANG) == 0; ++waited) {
            if (waited == 3000) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                return { -1, "", "hung" };
            }
            ::usleep(10000);
        }
        return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, outputs.read("out"), outputs.read("errors") };
    }
    std::string winIni() const { return folder.read("machine/c/WINDOWS/win.ini"); }
    std::string registry() const { return folder.read("machine/registry.reg"); }

    TemporaryFolder folder, outputs;
};

} // namespace

TEST_F(CycleCommandTest, AppliesTheWallpaperAndAdvancesOnlyItsSettings)
{
    folder.write("murello.dat", "/pics/a.bmp\r\n/pics/b b.bmp\r\n/pics/c.bmp\r\n");
    folder.write("murello.cfg", "t\r\n2\r\nt\r\nf\r\nt\r\n");
    Outcome result = run({ "--only", "wallpaper" });
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.out, "wallpaper: applied 2 of 3 /pics/b b.bmp (centred), next 3\n");
    EXPECT_EQ(result.errors, "");
    EXPECT_EQ(folder.read("murello.cfg"), "t\r\n3\r\nt\r\nf\r\nt\r\n");
    EXPECT_EQ(folder.read("murello.dat"), "/pics/a.bmp\r\n/pics/b b.bmp\r\n/pics/c.bmp\r\n");
    EXPECT_NE(winIni().find("\r\nWallpaper=/pics/b b.bmp\r\nTileWallpaper=0\r\n"), std::string::npos) << winIni();
    EXPECT_NE(registry().find("\"Wallpaper\"=\"/pics/b b.bmp\"\r\n\"TileWallpaper\"=\"0\""), std::string::npos);

    result = run({ "--only", "wallpaper" });
    EXPECT_EQ(result.out, "wallpaper: applied 3 of 3 /pics/c.bmp (tiled), next 1\n");
}

TEST_F(CycleCommandTest, TheThemeComesLastAndWinsOverTheWallpaper)
{
    folder.write("murello.dat", "/pics/own.bmp\r\n");
    folder.write("murello.cfg", "t\r\n1\r\nf\r\n");
    folder.write("space.theme",
        "[Control Panel\\Desktop]\r\nWallpaper=/themes/space.bmp\r\nTileWallpaper=1\r\n"
        "[AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current]\r\nDefaultValue=/w/mail.wav\r\n"
        "[AppEvents\\Schemes\\Apps\\Plus!\\Wobble\\.Current]\r\nDefaultValue=/w/wobble.wav\r\n"
        "[AppEvents\\Schemes\\Apps\\Plus!\\Wiggle\\.Current]\r\nDefaultValue=/w/wiggle.wav\r\n");
    folder.write("ambrel.dat", folder.file("space.theme") + "\r\n");
    folder.write("ambrel.cfg", "tr\r\n0\r\n");
    Outcome result = run({ "--only", "theme,wallpaper" });
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.out,
        "wallpaper: applied 1 of 1 /pics/own.bmp (centred), next 1\ntheme: applied 1 of 1 " + folder.file("space.theme")
            + " (sounds not set, no registry key: Plus!\\Wobble, Plus!\\Wiggle), next 1\n");
    EXPECT_NE(winIni().find("\r\nWallpaper=/themes/space.bmp\r\nTileWallpaper=1\r\n"), std::string::npos) << winIni();
    EXPECT_NE(registry().find("MailBeep\\.Current]\r\n@=\"/w/mail.wav\""), std::string::npos);
    EXPECT_EQ(folder.read("ambrel.cfg"), "tr\r\n1\r\n");
}

TEST_F(CycleCommandTest, AThemeThatFailsIsReportedYetAdvancesAsThePanelDoes)
{
    std::string winIniPath = folder.file("machine/c/WINDOWS/win.ini");
    struct Case {
        std::string theme; // the file's text; empty: no file at all
        bool removeWinIni;
        std::string errors;
    };
    for (const Case& c : {
             Case { "", false, "Cannot open file " + folder.file("a.theme") + ".\n" },
             Case { "; a theme of cursors alone\r\n[Control Panel\\Cursors]\r\nArrow=a.cur\r\n", false,
                 "The theme " + folder.file("a.theme") + " names nothing that can be applied.\n" },
             Case { "[Control Panel\\Desktop]\r\nWallpaper=/t.bmp\r\n[Control Panel\\Colors]\r\nMenu=1 2 3\r\n"
                    "[AppEvents\\Schemes\\Apps\\Plus!\\Wobble\\.Current]\r\nDefaultValue=w.wav\r\n",
                 true, "Cannot open file " + winIniPath + ".\nSounds not set, no registry key: Plus!\\Wobble.\n" },
         }) {
        std::filesystem::remove(folder.file("a.theme"));
        if (!c.theme.empty())
            folder.write("a.theme", c.theme);
        if (c.removeWinIni)
            std::filesystem::remove(winIniPath);
        folder.write("ambrel.dat", folder.file("a.theme") + "\r\n" + folder.file("b.theme") + "\r\n");
        folder.write("ambrel.cfg", "t\r\n1\r\n");
        Outcome result = run({ "--only", "theme" });
        EXPECT_EQ(result.exitCode, 1) << c.errors;
        EXPECT_EQ(result.out, "theme: failed\n");
        EXPECT_EQ(result.errors, c.errors);
        EXPECT_EQ(folder.read("ambrel.cfg"), "t\r\n2\r\n");
    }
    EXPECT_NE(registry().find("\"Menu\"=\"1 2 3\""), std::string::npos) << "the items that could be applied were";
}

TEST_F(CycleCommandTest, EachSoundListCyclesOnItsOwnLines)
{
    folder.write("tonvikst.dat", "/w/hello.wav\r\n/w/hi.wav\r\n");
    folder.write("tonvikxt.dat", "/w/bye.wav\r\n");
    folder.write("tonvik.cfg", "t\r\n0\r\nf\r\n1\r\n");
    Outcome result = run({ "--only", "sound" });
    EXPECT_EQ(result.out, "start-up sounds: applied 1 of 2 /w/hello.wav, next 2\nshutdown sounds: disabled\n");
    EXPECT_EQ(folder.read("tonvik.cfg"), "t\r\n2\r\nf\r\n1\r\n");
    EXPECT_NE(registry().find("SystemStart\\.Current]\r\n@=\"/w/hello.wav\""), std::string::npos) << registry();

    // A machine whose store lacks the event's key skips that list and keeps its position.
    std::string store = registry();
    std::string key = "[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current]";
    store.replace(store.find(key), key.size(), "[HKEY_CURRENT_USER\\Elsewhere]");
    folder.write("machine/registry.reg", store);
    folder.write("tonvik.cfg", "t\r\n2\r\ntr\r\n1\r\n");
    result = run({ "--only", "sound" });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
        "start-up sounds: applied 2 of 2 /w/hi.wav, next 1\nshutdown sounds: skipped, the sound event's registry key "
        "is missing\n");
    EXPECT_EQ(folder.read("tonvik.cfg"), "t\r\n1\r\ntr\r\n1\r\n");
}

TEST_F(CycleCommandTest, ADryRunSaysWhatWouldBeAppliedAndWritesNothing)
{
    folder.write("murello.dat", "/a.bmp\r\n/b.bmp\r\n");
    folder.write("murello.cfg", "tr\r\n0\r\nt\r\nx\r\n");
    std::string before = winIni() + registry();
    std::size_t names = folder.entryCount();
    Outcome result = run({ "--dry-run", "--only=wallpaper" });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "wallpaper: would apply 1 of 2 /a.bmp (tiled), next at random\n");
    EXPECT_EQ(folder.read("murello.cfg"), "tr\r\n0\r\nt\r\nx\r\n");
    EXPECT_EQ(winIni() + registry(), before);
    EXPECT_EQ(folder.entryCount(), names) << "not even the lock file";
}

TEST_F(CycleCommandTest, QuietListsAreOneLineEach)
{
    std::string killedLogo = "machine/c/" + temporaryFileName("logo.sys", 99999999, 0); // above any pid
    folder.write(killedLogo, "half a logo");
    EXPECT_EQ(run({}).out,
        "wallpaper: empty list\nstart-up sounds: empty list\nshutdown sounds: empty list\nscreen saver: empty "
        "list\nlogo: empty list\ntheme: empty list\n");
    folder.write("murello.dat", "/a.bmp\r\n");
    folder.write("murello.cfg", "f\r\n1\r\nt\r\n");
    Outcome result = run({ "--only", "wallpaper" });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "wallpaper: disabled\n");
    EXPECT_EQ(folder.read("murello.cfg"), "f\r\n1\r\nt\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file(killedLogo))) << "swept at start";
}

TEST_F(CycleCommandTest, AFailureIsTheErrorBoxTextAndTheOthersStillCycle)
{
    folder.write("murello.dat", "/a.bmp\r\n");
    folder.write("murello.cfg", "t\r\n1\r\nt\r\n");
    folder.write("dozarn.dat", "/s/one.scr\r\n/s/two.SCR\r\n");
    folder.write("dozarn.cfg", "tr\r\n2\r\n");
    QImage logo(320, 400, QImage::Format_Indexed8);
    logo.setColorTable(QList<QRgb>(256, qRgb(1, 2, 3)));
    logo.fill(7);
    logo.save(QString::fromStdString(folder.file("logo.bmp")), "BMP");
    folder.write("brisko.dat", folder.file("gone.bmp") + "\r\n" + folder.file("logo.bmp") + "\r\n");
    folder.write("brisko.cfg", "t\r\n2\r\n");
    std::string winIniPath = folder.file("machine/c/WINDOWS/win.ini");
    std::filesystem::remove(winIniPath);
    Outcome result = run({ "--only", "wallpaper,saver,logo" });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
        "wallpaper: failed\nscreen saver: applied 2 of 2 /s/two.SCR, next 1\nlogo: applied 2 of 2 "
            + folder.file("logo.bmp") + ", next 1\n");
    EXPECT_EQ(result.errors, "Cannot open file " + winIniPath + ".\n");
    EXPECT_TRUE(std::filesystem::exists(folder.file("machine/c/logo.sys")));

    EXPECT_NE(folder.read("machine/c/WINDOWS/system.ini").find("SCRNSAVE.EXE=/s/two.SCR\r\n"), std::string::npos);

    // The next run finds the logo's next entry gone: it fails alone and the logo file stays.
    result = run({ "--only", "logo,saver" });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "screen saver: applied 1 of 2 /s/one.scr, next 2\nlogo: failed\n");
    EXPECT_EQ(result.errors, "Cannot open file " + folder.file("gone.bmp") + ".\n");
    EXPECT_EQ(folder.read("brisko.cfg"), "t\r\n1\r\n");
    EXPECT_TRUE(std::filesystem::exists(folder.file("machine/c/logo.sys")));
    EXPECT_EQ(folder.read("murello.cfg"), "t\r\n1\r\nt\r\n");

    // A login before the program's first start: a dry run makes nothing, a run makes the machine.
    std::filesystem::remove_all(folder.file("machine"));
    run({ "--dry-run" });
    EXPECT_FALSE(std::filesystem::exists(folder.file("machine")));
    result = run({ "--only", "wallpaper" });
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.out, "wallpaper: applied 1 of 1 /a.bmp (tiled), next 1\n");
    EXPECT_NE(winIni().find("\r\nWallpaper=/a.bmp\r\n"), std::string::npos) << winIni();
    EXPECT_NE(registry().find("\"Wallpaper\"=\"/a.bmp\""), std::string::npos);

    std::filesystem::remove_all(folder.file("machine"));
    folder.write("machine", "a file where the machine's folder goes");
    result = run({ "--only", "wallpaper" });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "wallpaper: failed\n");
    EXPECT_NE(result.errors.find(folder.file("machine/registry.reg")), std::string::npos) << result.errors;
}

TEST_F(CycleCommandTest, TheCommandLine)
{
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string firstLine; // of the output, or of the errors for a usage error
    };
    for (const Case& c : {
             Case { { "--help" }, 0,
                 "Usage: zentrel-cycle [--dry-run] [--only MODULE[,MODULE]] [--program-dir DIR] [--present]" },
             Case { { "--version" }, 0, "zentrel-cycle 2.0" },
             Case { { "--bogus" }, 2, "zentrel-cycle: unknown option '--bogus'" },
             Case { { "--only", "wallpaper,clock" }, 2, "zentrel-cycle: unknown module 'clock'" },
             Case { { "--only=" }, 2, "zentrel-cycle: unknown module ''" },
             Case { { "--dry-run", "--only" }, 2, "zentrel-cycle: --only needs a value" },
             Case { { "--time-limit=0" }, 2, "zentrel-cycle: --time-limit needs a number of seconds from 1 to 999999" },
         }) {
        std::ostringstream out, errors;
        int exitCode = runCycleCommand(c.arguments, out, errors);
        EXPECT_EQ(exitCode, c.exitCode) << c.arguments[0];
        std::string text = exitCode == 2 ? errors.str() : out.str();
        EXPECT_EQ(text.substr(0, text.find('\n')), c.firstLine);
        if (exitCode == 2) {
            EXPECT_NE(text.find("\nUsage: zentrel-cycle"), std::string::npos) << "the usage follows";
        }
    }
}

TEST(RunLockTest, ASecondRunWaitsForTheFirst)
{
    TemporaryFolder folder;
    {
        RunLock first(folder.path());
        EXPECT_TRUE(first.held());
        RunLock second(folder.path(), RunLock::Wait::No);
        EXPECT_FALSE(second.held());
    }
    RunLock third(folder.path(), RunLock::Wait::No);
    EXPECT_TRUE(third.held()) << "the lock is free once the first run ends";
    EXPECT_EQ(folder.entryCount(), 0u) << "the lock makes no file";

    // A folder that can't be locked fails each list on its own line.
    std::ostringstream out, errors;
    EXPECT_EQ(runCycleCommand({ "--only", "wallpaper,sound", "--program-dir", folder.file("gone") }, out, errors), 1);
    EXPECT_EQ(out.str(), "wallpaper: failed\nstart-up sounds: failed\nshutdown sounds: failed\n");
    EXPECT_NE(errors.str().find("Cannot lock the folder " + folder.file("gone/") + ".\n"), std::string::npos);
}

TEST_F(CycleCommandTest, FilesThatNeverEndAreRefusedAtOnce)
{
    folder.write("murello.dat", "/a.bmp\r\n");
    folder.write("murello.cfg", "t\r\n1\r\nt\r\n");
    folder.write("dozarn.dat", "/s/one.scr\r\n");
    folder.write("dozarn.cfg", "t\r\n1\r\n");
    folder.write("ambrel.dat", folder.file("space.theme") + "\r\n");
    folder.write("ambrel.cfg", "t\r\n1\r\n");
    folder.write("space.theme", "[Control Panel\\Desktop]\r\nWallpaper=/t.bmp\r\n");
    ::mkfifo(outputs.file("fifo").c_str(), 0600);
    const std::string places[] = { "murello.dat", "murello.cfg", "machine/c/WINDOWS/win.ini",
        "machine/c/WINDOWS/system.ini", "machine/registry.reg", "space.theme" };
    for (const std::string& place : places) {
        const std::string path = folder.file(place), kept = outputs.file("kept");
        std::filesystem::rename(path, kept);
        for (int kind = 0; kind < 3; ++kind) {
            std::filesystem::remove(path);
            if (kind == 0)
                ::mkfifo(path.c_str(), 0600);
            else
                std::filesystem::create_symlink(kind == 1 ? outputs.file("fifo") : "/dev/zero", path);
            Outcome result = runInChild({ "--time-limit", "20", "--only", "wallpaper,saver,theme" });
            EXPECT_EQ(result.exitCode, 1) << place << " " << kind << result.errors;
            EXPECT_NE(result.errors.find(path), std::string::npos) << place << " " << kind << result.errors;
        }
        std::filesystem::remove(path);
        std::filesystem::rename(kept, path);
    }
}

TEST_F(CycleCommandTest, ARunWaitingTooLongGivesUpAtItsTimeLimit)
{
    RunLock heldElsewhere(folder.path());
    Outcome result = runInChild({ "--time-limit", "1" });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, "zentrel-cycle: stopped after 1 seconds without finishing.\n");
}

TEST_F(CycleCommandTest, AListTooLargeForMemorySaysSo)
{
    folder.write("murello.cfg", "t\r\n1\r\n");
    folder.write("murello.dat", "");
    std::filesystem::resize_file(folder.file("murello.dat"), std::uintmax_t(64) << 30);
    Outcome result = runInChild({ "--only", "wallpaper" }, rlim_t(4) << 30);
    EXPECT_EQ(result.out, "wallpaper: failed\n");
    EXPECT_EQ(result.errors, "Not enough memory to read file " + folder.file("murello.dat") + ".\n");
}

TEST_F(CycleCommandTest, TheLoginEntryRunsThisFolderWhereverTheLoginStarts)
{
    setenv("XDG_CONFIG_HOME", folder.file("config").c_str(), 1);
    setenv("XDG_DATA_HOME", folder.file("data").c_str(), 1);
    std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    std::ostringstream out, errors;
    int exitCode = runCycleCommand({ "--install-autostart", "--program-dir", "." }, out, errors);
    std::filesystem::current_path(here);
    EXPECT_EQ(exitCode, 0) << errors.str();
    std::string entry = folder.read("config/autostart/zentrel-cycle.desktop");
    EXPECT_NE(entry.find(" --present --program-dir " + folder.path() + "\n"), std::string::npos) << entry;
    EXPECT_EQ(folder.read("data/icons/hicolor/32x32/apps/zentrel.png").substr(1, 3), "PNG") << "the drawn icon";

    EXPECT_EQ(runCycleCommand({ "--remove-autostart" }, out, errors), 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("config/autostart/zentrel-cycle.desktop")));
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");
}
