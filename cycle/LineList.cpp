#include "cycle/LineList.h"

#include "cycle/AtomicFile.h"
#include "cycle/Exception.h"
#include "cycle/FileBytes.h"

#include <cstring>

namespace {

const char* find(const char* from, const char* to, char c)
{
    const void* at = std::memchr(from, c, static_cast<std::size_t>(to - from));
    return at ? static_cast<const char*>(at) : to;
}

// memchr finds line ends many bytes at a time; a list of a million paths splits in milliseconds.
LineList splitLines(std::string_view text)
{
    const char* at = text.data();
    const char* end = find(at, at + text.size(), '\0');

    LineList lines;
    while (at < end) {
        const char* lf = find(at, end, '\n');
        // CR alone ends a line too; CR LF ends one line.
        const char* cr = find(at, lf, '\r');
        while (cr != lf && cr + 1 != lf) {
            lines.emplace_back(at, cr);
            at = cr + 1;
            cr = find(at, lf, '\r');
        }
        if (at == end)
            break;
        lines.emplace_back(at, cr);
        at = lf == end ? end : lf + 1;
    }
    return lines;
}

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

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
    std::string bytes;
    if (!readFileBytes(path, bytes))
        throw Exception(formatMessage("Cannot open file %s", path));
    lines = splitLines(bytes);
}

void writeLineList(const std::string& path, const LineList& lines)
{
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    writeFileAtomically(path, bytes);
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
