#include "cycle/LineList.h"

#include "cycle/AsciiCase.h"
#include "cycle/AtomicFileWriter.h"
#include "cycle/ENotEnoughMemory.h"
#include "cycle/Exception.h"
#include "cycle/FileBytes.h"
#include "cycle/LineSplitter.h"
#include "cycle/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool prefixMatches(const std::string& line, std::size_t length, std::string_view key)
{
    if (line.size() < length)
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (upperAscii(line[i]) != key[i])
            return false;
    }
    return true;
}

} // namespace

void readLineList(const std::string& path, LineList& lines)
{
    // Read in pieces: a million-line file never needs a second copy of itself in memory.
    struct stat status { };
    FileDescriptor file = openRegularFile(path, status);
    if (!file.isOpen())
        throw Exception(formatMessage("Cannot open file %s", path));
    try {
        constexpr std::size_t pieceSize = 256 * 1024;
        auto piece = std::make_unique_for_overwrite<char[]>(pieceSize);
        LineSplitter splitter;
        splitter.expect(static_cast<std::size_t>(status.st_size));
        while (!splitter.ended()) {
            ssize_t got = ::read(file.get(), piece.get(), pieceSize);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw Exception(formatMessage("Cannot open file %s", path));
            if (got == 0)
                break;
            splitter.feed({ piece.get(), static_cast<std::size_t>(got) });
        }
        lines = splitter.finish();
    } catch (const std::bad_alloc&) {
        throw ENotEnoughMemory::toRead(path);
    }
}

void writeLineList(const std::string& path, const LineList& lines)
{
    writeLineList(path, lines, {});
}

void writeLineList(const std::string& path, const LineList& lines, std::string_view tail)
{
    AtomicFileWriter file(path);
    for (const auto& line : lines) {
        file.write(line);
        file.write("\r\n");
    }
    file.write(tail);
    file.commit();
}

void editLineList(const std::string& path, LineList& lines, const std::function<void(LineList&)>& change)
{
    // An editor saving every few milliseconds can overtake a write now and then, not for long.
    constexpr int attempts = 20;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        std::string before;
        if (!readFileBytes(path, before))
            throw Exception(formatMessage("Cannot open file %s", path));
        LineSplitter splitter;
        splitter.feed(before);
        LineList edited = splitter.finish();
        change(edited);

        AtomicFileWriter file(path);
        for (const auto& line : edited) {
            file.write(line);
            file.write("\r\n");
        }
        if (auto nul = before.find('\0'); nul != std::string::npos)
            file.write(std::string_view(before).substr(nul));
        if (file.commitUnlessChanged(before)) {
            lines = std::move(edited);
            return;
        }
    }
    throw Exception(formatMessage("%s kept changing while it was being written", path));
}

std::string bytesFromNul(const std::string& path)
{
    FileDescriptor file = openRegularFile(path);
    std::string tail;
    if (!file.isOpen())
        return tail;
    constexpr std::size_t pieceSize = 64 * 1024;
    auto piece = std::make_unique_for_overwrite<char[]>(pieceSize);
    for (;;) {
        ssize_t got = ::read(file.get(), piece.get(), pieceSize);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {};
        if (got == 0)
            return tail;
        std::string_view read(piece.get(), static_cast<std::size_t>(got));
        if (tail.empty()) {
            auto nul = read.find('\0');
            if (nul == std::string_view::npos)
                continue;
            read.remove_prefix(nul);
        }
        tail += read;
    }
}

std::vector<std::size_t> findLinesByPrefix(const LineList& lines, std::size_t length, std::string_view key)
{
    std::vector<std::size_t> found;
    // The key is exactly `length` characters; any other key can never equal a line's prefix.
    if (key.size() != length)
        return found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (prefixMatches(lines[i], length, key))
            found.push_back(i);
    }
    return found;
}
