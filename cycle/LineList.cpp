#include "cycle/LineList.h"

#include "cycle/AtomicFile.h"
#include "cycle/Exception.h"
#include "cycle/FileBytes.h"

#include <cstring>

namespace {

LineList splitLines(std::string_view text)
{
    if (const void* nul = std::memchr(text.data(), '\0', text.size()))
        text = text.substr(0, static_cast<const char*>(nul) - text.data());

    LineList lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        char c = text[at];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(text.substr(start, at - start));
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        start = at + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
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
