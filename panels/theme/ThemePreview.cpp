#include "panels/theme/ThemePreview.h"

#include <cctype>

ThemePreview::ThemePreview(
    const ThemeSettings& theme, const FileExists& exists, const std::vector<std::string>& soundsNotSet)
    : m_title(theme.name)
{
    if (theme.wallpaper) {
        addFile("Wallpaper", *theme.wallpaper, exists);
        m_wallpaperMissing = !exists(*theme.wallpaper);
        if (!m_wallpaperMissing)
            m_wallpaper = theme.wallpaper;
    }
    if (theme.tilingFlag)
        m_rows.push_back({ std::string("Tile wallpaper: ") + (*theme.tilingFlag == "t" ? "Yes" : "No"), {} });
    for (const auto& [key, wave] : theme.sounds)
        addFile("Sound " + soundEventName(key), wave, exists);
    if (theme.screenSaver)
        addFile("Screen saver", *theme.screenSaver, exists);
    if (theme.screenSaveActive)
        m_rows.push_back({ std::string("Screen saver on: ") + (*theme.screenSaveActive == "1" ? "Yes" : "No"), {} });
    for (const auto& [name, value] : theme.colours)
        m_rows.push_back({ "Colour " + name + ": " + value, colourOf(value) });
    if (std::string note = soundsNotSetNote(soundsNotSet); !note.empty()) {
        note.front() = 'S';
        m_rows.push_back({ note, {} });
    }
    if (theme.empty())
        m_rows.push_back({ "Nothing: the theme names no item this program applies.", {} });
}

void ThemePreview::addFile(const std::string& item, const std::string& path, const FileExists& exists)
{
    m_rows.push_back({ item + ": " + path + (exists(path) ? "" : " (missing)"), {} });
}

std::string ThemePreview::noPictureText() const
{
    if (m_wallpaperMissing)
        return "(wallpaper missing)";
    return m_wallpaper ? "(no preview of this wallpaper)" : "(no wallpaper)";
}

std::optional<ThemePreview::Colour> ThemePreview::colourOf(const std::string& text)
{
    int parts[3];
    std::size_t at = 0;
    for (int& part : parts) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
        std::size_t start = at;
        part = 0;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && at - start < 3)
            part = part * 10 + (text[at++] - '0');
        if (at == start || part > 255 || (at < text.size() && text[at] != ' ' && text[at] != '\t'))
            return std::nullopt;
    }
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    if (at != text.size())
        return std::nullopt;
    return Colour { parts[0], parts[1], parts[2] };
}
