#include "cycle/AtomicFile.h"

#include "cycle/AtomicFileWriter.h"
#include "cycle/Exception.h"
#include "cycle/StaleTemporaries.h"
#include "cycle/TemporaryFolder.h"

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

mode_t modeOf(const std::string& path)
{
    struct stat status { };
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

// Lets no process file grow past `limit` bytes while it lives: the way to make a write fail
// half-way even for root, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved {};
    void (*m_oldHandler)(int) = nullptr;
};

// Runs `step` in a child process and gives its exit code; a child that fails to run gives -1.
int exitCodeOf(const std::function<int()>& step)
{
    pid_t child = ::fork();
    if (child == 0)
        ::_exit(step());
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// The id of a process that has ended: its own child's, reaped.
pid_t endedProcess()
{
    pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

bool unnamedFilesWorkIn(const std::string& folder)
{
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

struct stat statusOf(const std::string& path)
{
    struct stat status { };
    ::stat(path.c_str(), &status);
    return status;
}

} // namespace

TEST(WriteFileAtomically, CreatesAndReplacesWholeFiles)
{
    TemporaryFolder folder;
    writeFileAtomically(folder.file("system.ini"), "[boot]\r\nshell=Explorer.exe\r\n");
    EXPECT_EQ(folder.read("system.ini"), "[boot]\r\nshell=Explorer.exe\r\n");
    writeFileAtomically(folder.file("system.ini"), "[boot]\r\n");
    EXPECT_EQ(folder.read("system.ini"), "[boot]\r\n");
    writeFileAtomically(folder.file("system.ini"), std::string("a\0b", 3));
    EXPECT_EQ(folder.read("system.ini"), std::string("a\0b", 3));
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(WriteFileAtomically, AFailedWriteLeavesTheOldFileAndNoTemporary)
{
    TemporaryFolder folder;
    const std::string old(100, 'o');
    folder.write("logo.sys", old);
    {
        FileSizeLimit limit(1024);
        EXPECT_THROW(writeFileAtomically(folder.file("logo.sys"), std::string(64 * 1024, 'n')), Exception);
    }
    EXPECT_EQ(folder.read("logo.sys"), old);
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(WriteFileAtomically, ThrowsTheCallersMessageWithThePath)
{
    TemporaryFolder folder;
    const std::string inMissingFolder = folder.file("gone/murello.cfg");
    try {
        writeFileAtomically(inMissingFolder, "t\r\n", "Unable to write %s");
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write " + inMissingFolder);
    }
    ::mkdir(folder.file("adir").c_str(), 0755);
    EXPECT_THROW(writeFileAtomically(folder.file("adir"), "x"), Exception);
    EXPECT_THROW(writeFileAtomically("", "x"), Exception);
}

TEST(WriteFileAtomically, RefusesAFileTheUserMadeReadOnly)
{
    TemporaryFolder folder;
    folder.write("win.ini", "protected");
    ::chmod(folder.file("win.ini").c_str(), 0444);
    try {
        writeFileAtomically(folder.file("win.ini"), "new");
        FAIL() << "a read-only file was replaced";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + folder.file("win.ini"));
    }
    EXPECT_EQ(folder.read("win.ini"), "protected");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(WriteFileAtomically, KeepsTheTargetsPermissionsAndFollowsLinks)
{
    TemporaryFolder folder;
    folder.write("win.ini", "old");
    ::chmod(folder.file("win.ini").c_str(), 0640);
    ::mkdir(folder.file("image").c_str(), 0755);
    folder.write("image/system.ini", "old");
    ASSERT_EQ(::symlink(folder.file("image/system.ini").c_str(), folder.file("system.ini").c_str()), 0);

    writeFileAtomically(folder.file("win.ini"), "new");
    writeFileAtomically(folder.file("system.ini"), "new");

    EXPECT_EQ(modeOf(folder.file("win.ini")), 0640u);
    EXPECT_EQ(folder.read("image/system.ini"), "new");
    struct stat link { };
    ::lstat(folder.file("system.ini").c_str(), &link);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
}

TEST(WriteFileAtomically, AWriteKilledHalfWayLeavesTheOldFileAndNothingThatLasts)
{
    TemporaryFolder folder;
    folder.write("murello.dat", "old\r\n");
    int started[2];
    ASSERT_EQ(::pipe(started), 0);
    pid_t child = ::fork();
    if (child == 0) {
        ::close(started[0]);
        try {
            AtomicFileWriter file(folder.file("murello.dat"));
            file.write(std::string(3 << 20, 'n'));
            file.sync();
            char ready = 'r';
            if (::write(started[1], &ready, 1) == 1)
                ::pause();
        } catch (...) {
        }
        ::_exit(1);
    }
    ::close(started[1]);
    char ready = 0;
    bool killedMidWrite = ::read(started[0], &ready, 1) == 1;
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(started[0]);
    ASSERT_TRUE(killedMidWrite);

    EXPECT_EQ(folder.read("murello.dat"), "old\r\n");
    // A file system without unnamed files keeps the named temporary until the next write.
    if (unnamedFilesWorkIn(folder.path())) {
        EXPECT_EQ(folder.entryCount(), 1u);
    }
    writeFileAtomically(folder.file("win.ini"), "new");
    EXPECT_EQ(folder.entryCount(), 2u);
}

TEST(WriteFileAtomically, TemporariesOfEndedProcessesAreRemovedBeforeAWriteIntoTheirFolder)
{
    TemporaryFolder folder;
    const pid_t ended = endedProcess(), running = ::getppid();
    const std::string stale[] = { temporaryFileName("win.ini", ended, 0), temporaryFileName("murello.dat", ended, 17) };
    const std::string kept[] = { temporaryFileName("win.ini", running, 1), temporaryFileName("win.ini", ::getpid(), 2),
        ".win.ini.tmp" + std::to_string(ended) + "-x", "win.ini.tmp" + std::to_string(ended) + "-0",
        ".tmp" + std::to_string(ended) + "-0", ".win.ini.tmp-0", "notes.txt" };
    for (const auto& name : stale)
        folder.write(name, "half");
    for (const auto& name : kept)
        folder.write(name, "kept");
    EXPECT_EQ(writerOfTemporary(stale[1]), ended);

    writeFileAtomically(folder.file("win.ini"), "new");

    for (const auto& name : stale)
        EXPECT_FALSE(std::filesystem::exists(folder.file(name))) << name;
    for (const auto& name : kept)
        EXPECT_EQ(folder.read(name), "kept") << name;
    EXPECT_EQ(folder.read("win.ini"), "new");
}

TEST(WriteFileAtomically, AWriterDroppedAfterSyncLeavesTheTargetAsItWas)
{
    TemporaryFolder folder;
    folder.write("registry.reg", "old");
    {
        AtomicFileWriter file(folder.file("registry.reg"));
        file.write("new");
        file.sync();
    }
    EXPECT_EQ(folder.read("registry.reg"), "old");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(WriteFileAtomically, KeepsTheTargetsOwnerAndGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another owner";
    TemporaryFolder folder;
    folder.write("win.ini", "old");
    ASSERT_EQ(::chown(folder.file("win.ini").c_str(), 1234, 5678), 0);
    ::chmod(folder.file("win.ini").c_str(), 02664);

    writeFileAtomically(folder.file("win.ini"), "new");

    struct stat status = statusOf(folder.file("win.ini"));
    EXPECT_EQ(status.st_uid, 1234u);
    EXPECT_EQ(status.st_gid, 5678u);
    EXPECT_EQ(status.st_mode & 07777, 02664u);
    EXPECT_EQ(folder.read("win.ini"), "new");
}

// Root may create files anywhere, so the write runs in a child that is someone else.
TEST(WriteFileAtomically, AWritableFileInAFolderThatRefusesNewFilesIsWrittenInPlace)
{
    TemporaryFolder folder;
    const uid_t writer = ::geteuid() == 0 ? 65534 : ::geteuid();
    folder.write("system.ini", "[boot]\r\nshell=Explorer.exe\r\n");
    ASSERT_EQ(::chown(folder.file("system.ini").c_str(), writer, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(::link(folder.file("system.ini").c_str(), folder.file("system.bak").c_str()), 0);
    const ino_t inode = statusOf(folder.file("system.ini")).st_ino;
    ::chmod(folder.path().c_str(), 0555);

    int written = exitCodeOf([&] {
        if (::geteuid() == 0 && (::setgid(writer) != 0 || ::setuid(writer) != 0))
            return 2;
        try {
            writeFileAtomically(folder.file("system.ini"), "[boot]\r\n");
            return 0;
        } catch (const Exception&) {
            return 1;
        }
    });
    ::chmod(folder.path().c_str(), 0755);

    EXPECT_EQ(written, 0);
    EXPECT_EQ(folder.read("system.ini"), "[boot]\r\n");
    EXPECT_EQ(statusOf(folder.file("system.ini")).st_ino, inode);
    EXPECT_EQ(folder.read("system.bak"), "[boot]\r\n");
    EXPECT_EQ(folder.entryCount(), 2u);
}

// What another program may do to win.ini between the moment it was read and the replacement.
TEST(WriteFileAtomically, AFileAnotherProgramSavedMeanwhileIsNeverReplaced)
{
    struct Case {
        const char* what;
        std::function<void(TemporaryFolder&)> meanwhile;
        bool replaced;
        std::string after;
    };
    const Case cases[] = {
        { "nothing", [](TemporaryFolder&) {}, true, "ours" },
        { "the same bytes saved by rename",
            [](TemporaryFolder& folder) {
                folder.write("copy", "read");
                std::filesystem::rename(folder.file("copy"), folder.file("win.ini"));
            },
            true, "ours" },
        { "saved by rename",
            [](TemporaryFolder& folder) {
                folder.write("copy", "theirs");
                std::filesystem::rename(folder.file("copy"), folder.file("win.ini"));
            },
            false, "theirs" },
        { "rewritten in place, same size", [](TemporaryFolder& folder) { folder.write("win.ini", "reed"); }, false,
            "reed" },
        { "deleted", [](TemporaryFolder& folder) { std::filesystem::remove(folder.file("win.ini")); }, false, "" },
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        folder.write("win.ini", "read");
        AtomicFileWriter file(folder.file("win.ini"));
        file.write("ours");
        c.meanwhile(folder);
        EXPECT_EQ(file.commitUnlessChanged("read"), c.replaced) << c.what;
        EXPECT_EQ(folder.read("win.ini"), c.after) << c.what;
        EXPECT_EQ(folder.entryCount(), c.after.empty() ? 0u : 1u) << c.what << ": no temporary left";
    }
}

// An editor that writes in place may have opened the file before the replacement and write after
// it: as long as anyone holds the file open for writing it stays in place.
TEST(WriteFileAtomically, AFileOpenForWritingElsewhereIsNotReplaced)
{
    TemporaryFolder folder;
    folder.write("system.ini", "read");
    const int editor = ::open(folder.file("system.ini").c_str(), O_WRONLY);
    ASSERT_GE(editor, 0);
    AtomicFileWriter file(folder.file("system.ini"));
    file.write("ours");
    EXPECT_FALSE(file.commitUnlessChanged("read"));
    ASSERT_EQ(::pwrite(editor, "edit", 4, 0), 4);
    ::close(editor);
    EXPECT_EQ(folder.read("system.ini"), "edit");
    EXPECT_EQ(folder.entryCount(), 1u);
}
