#include "cycle/AtomicFile.h"

#include "cycle/Exception.h"
#include "cycle/TemporaryFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
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
