#include "panels/saver/SystemIniScreenSaver.h"

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

std::size_t SystemIniScreenSaver::insertionPoint() const
{
    return firstAfterLineZero(m_image, "[BOOT]").value_or(0) + 1;
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
    m_image.insert(m_image.begin() + static_cast<std::ptrdiff_t>(insertionPoint()), std::move(line));
    return true;
}
