#include "cycle/RegularFile.h"

#include "cycle/Exception.h"
#include "cycle/FileBytes.h"
#include "cycle/LineBlock.h"
#include "cycle/LineList.h"
#include "cycle/TemporaryFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Each reader of the core, as the modules call it.
const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> readers {
    { "line list",
        [](const std::string& path) {
            LineList lines;
            readLineList(path, lines);
        } },
    { "line file",
        [](const std::string& path) {
            LineBlock lines;
            readLineFile(path, lines, nullptr);
        } },
    { "whole file",
        [](const std::string& path) {
            std::string bytes;
            readFileBytes(path, bytes);
        } },
};

void makeSocket(const std::string& path)
{
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

} // namespace

// Opening a FIFO nobody writes to, or reading /dev/zero, would never return: each is refused at
// once, naming the file, by every reader.
TEST(RegularFile, FifosDevicesAndSocketsAreRefusedWithoutBlocking)
{
    TemporaryFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", folder.file("zero").c_str()), 0);
    ASSERT_EQ(::symlink(folder.file("fifo").c_str(), folder.file("to-fifo").c_str()), 0);
    makeSocket(folder.file("socket"));

    for (const char* name : { "fifo", "zero", "to-fifo", "socket" }) {
        for (const auto& [reader, read] : readers) {
            SCOPED_TRACE(std::string(reader) + " of " + name);
            try {
                read(folder.file(name));
                ADD_FAILURE() << "was read";
            } catch (const Exception& error) {
                EXPECT_EQ(error.what(), folder.file(name) + " is not a regular file");
            }
        }
    }
}

TEST(RegularFile, ALinkToARegularFileIsOpened)
{
    TemporaryFolder folder;
    folder.write("list.dat", "a\r\n");
    ASSERT_EQ(::symlink(folder.file("list.dat").c_str(), folder.file("link").c_str()), 0);
    EXPECT_TRUE(openRegularFile(folder.file("link")).isOpen());
    EXPECT_FALSE(openRegularFile(folder.file("missing")).isOpen());
}
