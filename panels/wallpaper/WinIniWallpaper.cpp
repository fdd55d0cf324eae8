#include "panels/wallpaper/WinIniWallpaper.h"

#include "cycle/AsciiCase.h"

#include <optional>
#include <string_view>

namespace {

constexpr std::size_t prefixLength = 10;

std::optional<std::size_t> lastLineWithPrefix(const LineList& image, std::string_view key)
{
    std::vector<std::size_t> found = findLinesByPrefix(image, prefixLength, key);
    if (found.empty())
        return std::nullopt;
    return found.back();
}

std::string_view trimmed(std::string_view line)
{
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

bool isDesktopHeader(std::string_view line)
{
    return upperAscii(trimmed(line)) == "[DESKTOP]";
}

} // namespace

void WinIniWallpaper::setWallpaper(const std::string& path)
{
    std::string line = "Wallpaper=" + path;
    if (std::optional<std::size_t> at = lastLineWithPrefix(m_image, "WALLPAPER="))
        m_image[*at] = std::move(line);
    else
        putIntoDesktopSection(std::move(line));
}

void WinIniWallpaper::setTiling(const std::string& flag)
{
    std::optional<std::string> line;
    if (flag == "t")
        line = "TileWallpaper=1";
    else if (flag == "f")
        line = "TileWallpaper=0";

    if (std::optional<std::size_t> at = lastLineWithPrefix(m_image, "TILEWALLPA")) {
        if (line)
            m_image[*at] = std::move(*line);
        else
            m_image.erase(m_image.begin() + static_cast<std::ptrdiff_t>(*at));
    } else if (line) {
        putIntoDesktopSection(std::move(*line));
    }
}

// After the section's last line that is not blank, so that a blank line before the next section
// stays where it was. Windows reads the first [Desktop] section, so that is the one extended.
void WinIniWallpaper::putIntoDesktopSection(std::string line)
{
    std::size_t header = 0;
    while (header < m_image.size() && !isDesktopHeader(m_image[header]))
        ++header;
    if (header == m_image.size()) {
        m_image.push_back("[Desktop]");
        m_image.push_back(std::move(line));
        return;
    }
    std::size_t insertAt = header + 1;
    for (std::size_t at = header + 1; at < m_image.size(); ++at) {
        std::string_view text = trimmed(m_image[at]);
        if (text.starts_with('['))
            break;
        if (!text.empty())
            insertAt = at + 1;
    }
    m_image.insert(m_image.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}
