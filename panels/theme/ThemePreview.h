#pragma once

#include "panels/theme/ThemeSettings.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What the theme view shows of a theme without applying it: its name, each item it would change
// with its value, a swatch for each colour, "(missing)" after each file it names that is not
// there, and in one line the sound events this machine has no key for.
class ThemePreview {
public:
    struct Colour {
        int red, green, blue;
        bool operator==(const Colour&) const = default;
    };
    struct Row {
        std::string text;
        std::optional<Colour> swatch;
        bool operator==(const Row&) const = default;
    };
    using FileExists = std::function<bool(const std::string& path)>;

    ThemePreview(const ThemeSettings& theme, const FileExists& exists, const std::vector<std::string>& soundsNotSet);

    const std::string& title() const { return m_title; }
    const std::vector<Row>& rows() const { return m_rows; }
    // The wallpaper to draw; none when the theme names none or its file is missing.
    const std::optional<std::string>& wallpaper() const { return m_wallpaper; }
    // The words in place of the wallpaper when it can't be drawn.
    std::string noPictureText() const;

    // "0 64 128" as red, green and blue; none for anything else.
    static std::optional<Colour> colourOf(const std::string& text);

private:
    void addFile(const std::string& item, const std::string& path, const FileExists& exists);

    std::string m_title;
    std::vector<Row> m_rows;
    std::optional<std::string> m_wallpaper;
    bool m_wallpaperMissing = false;
};
