// The shutdown sound at the session's end: the parts that install it, and zentrel-cycle's two
// ways of playing it, run for real with SDL's disk driver taking the samples.
#include "cycle/StandInMachine.h"
#include "cycle/TemporaryFolder.h"
#include "desktop/SessionEndParts.h"

#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A mono 8-bit wave of 4000 samples at 8000 Hz: half a second.
std::string wave()
{
    auto le32 = [](std::uint32_t v) { return std::string { char(v), char(v >> 8), char(v >> 16), char(v >> 24) }; };
    auto le16 = [](std::uint16_t v) { return std::string { char(v), char(v >> 8) }; };
    std::string data(4000, char(0xc0));
    std::string body = "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(8000) + le32(8000) + le16(1) + le16(8) + "data"
        + le32(4000) + data;
    return "RIFF" + le32(static_cast<std::uint32_t>(body.size())) + body;
}

// Runs zentrel-cycle with the arguments; `stop` sends SIGTERM once it says it waits, as the
// session's end does. Returns the exit status; its output in `output`.
int runCycle(const TemporaryFolder& folder, std::vector<std::string> arguments, bool stop, std::string& output)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return -1;
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeEnds[1], 1);
        ::close(pipeEnds[0]);
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", folder.file("played.raw").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", folder.path().c_str(), 1);
        ::unsetenv("DISPLAY");
        arguments.insert(arguments.begin(), { ZENTREL_CYCLE, "--program-dir", folder.path() });
        std::vector<char*> argv;
        for (std::string& word : arguments)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    output.clear();
    char c;
    while (::read(pipeEnds[0], &c, 1) == 1) {
        output += c;
        if (stop && output.ends_with("waiting for the session to end\n"))
            ::kill(pid, SIGTERM);
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(SessionEndTest, TheShutdownSoundPlaysOnceWhenTheSessionEndsAndNothingWhenNoneIsSet)
{
    TemporaryFolder folder;
    StandInMachine(folder.path()).ensureExists();
    folder.write("bye.wav", wave());
    folder.write("unit.service", "");
    std::string store = folder.read("machine/registry.reg");
    const std::string key = "SystemExit\\.Current]\r\n@=\"\"";
    ASSERT_NE(store.find(key), std::string::npos);
    std::string withSound = store;
    withSound.replace(store.find(key), key.size(), "SystemExit\\.Current]\r\n@=\"" + folder.file("bye.wav") + "\"");

    struct Case {
        bool soundSet;
        std::vector<std::string> arguments;
        bool stop;
        std::string lastLine;
    };
    const std::string played = "shutdown sound: played " + folder.file("bye.wav") + "\n";
    for (const Case& c : {
             Case { true, { "--await-session-end" }, true, played },
             Case { true, { "--session-end", "--unit-file", folder.file("unit.service") }, false, played },
             Case { true, { "--session-end", "--unit-file", folder.file("gone.service") }, false,
                 "shutdown sound: its unit was removed, nothing played\n" },
             Case { false, { "--await-session-end" }, true, "shutdown sound: none set\n" },
         }) {
        folder.write("machine/registry.reg", c.soundSet ? withSound : store);
        std::filesystem::remove(folder.file("played.raw"));
        std::string output;
        EXPECT_EQ(runCycle(folder, c.arguments, c.stop, output), 0) << output;
        EXPECT_TRUE(output.ends_with(c.lastLine)) << output;
        bool samples = std::filesystem::exists(folder.file("played.raw"))
            && std::filesystem::file_size(folder.file("played.raw")) >= 4000;
        EXPECT_EQ(samples, c.lastLine == played) << output;
    }
}

TEST(SessionEndTest, TheUnitStopsIntoTheCommandAndTheEntryWaitsWithEveryNameQuoted)
{
    SessionEndParts parts("/home/u/.config", "/opt/my apps/$zen%\"/zentrel-cycle", { "--program-dir", "/srv/a\\b" });
    std::string unit = parts.unitText();
    EXPECT_NE(unit.find("\nExecStop=\"/opt/my apps/$$zen%%\\\"/zentrel-cycle\" \"--session-end\" \"--program-dir\" "
                        "\"/srv/a\\\\b\" --unit-file \"/home/u/.config/systemd/user/zentrel-session-end.service\"\n"),
        std::string::npos)
        << unit;
    EXPECT_NE(unit.find("\nWantedBy=default.target\n"), std::string::npos);
    std::string entry = parts.fallbackEntry();
    EXPECT_NE(entry.find("\nExec=\"/opt/my apps/\\\\$zen%%\\\\\"/zentrel-cycle\" \"--await-session-end\" "
                         "\"--program-dir\" \"/srv/a\\\\\\\\b\"\n"),
        std::string::npos)
        << entry;
    EXPECT_THROW(SessionEndParts("/c", "/a\nb").unitText(), std::exception);
}
