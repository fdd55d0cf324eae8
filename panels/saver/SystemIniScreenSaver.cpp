#include "panels/saver/SystemIniScreenSaver.h"

#include "cycle/AsciiCase.h"
#include "cycle/Exception.h"

#include <string_view>

namespace {

std::optional<std::size_t> firstAfterLineZero(const LineList& image, std::string_view key)
{
    for (std::size_t at : findLinesByPrefix(image, key.size(), key)) {
        if (at > 0)
            return at;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::size_t> SystemIniScreenSaver::saverLine() const
{
    return firstAfterLineZero(m_image, "SCRNSAVE");
}

std::optional<std::size_t> SystemIniScreenSaver::bootHeader() const
{
    if (std::optional<std::size_t> at = firstAfterLineZero(m_image, "[BOOT]"))
        return at;
    if (upperAscii(std::string_view(m_image.front()).substr(0, 6)) == "[BOOT]")
        return 0;
    return std::nullopt;
}

bool SystemIniScreenSaver::setSaver(const std::string& path)
{
    std::string line = "SCRNSAVE.EXE=" + path;
    if (std::optional<std::size_t> at = saverLine()) {
        m_image[*at] = std::move(line);
        return false;
    }
    if (m_image.empty())
        throw Exception("Unable to insert a line");
    // Windows reads the line only inside [boot]: a file without one (Wine's, ReactOS's) gets it.
    if (std::optional<std::size_t> header = bootHeader()) {
        m_image.insert(m_image.begin() + static_cast<std::ptrdiff_t>(*header + 1), std::move(line));
    } else {
        m_image.push_back("[boot]");
        m_image.push_back(std::move(line));
    }
    return true;
}
