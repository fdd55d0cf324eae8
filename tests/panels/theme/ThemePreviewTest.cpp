#include "panels/theme/ThemePreview.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using Row = ThemePreview::Row;
using Colour = ThemePreview::Colour;

ThemePreview previewOf(const ThemeSettings& theme, std::vector<std::string> soundsNotSet = {})
{
    const std::set<std::string> there = { "/t/sea.bmp", "/t/start.wav" };
    return ThemePreview(
        theme, [&](const std::string& path) { return there.contains(path); }, soundsNotSet);
}

} // namespace

TEST(ThemePreview, ShowsEachItemMarksMissingFilesAndColoursAndNamesTheSoundsNotSet)
{
    ThemeSettings theme;
    theme.name = "Deep Sea";
    theme.wallpaper = "/t/sea.bmp";
    theme.tilingFlag = "f";
    theme.sounds = { { "\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current", "/t/start.wav" },
        { "\\appevents\\schemes\\apps\\Explorer\\EmptyRecycleBin\\.current", "/t/bin.wav" } };
    theme.screenSaver = "/t/Sea.scr";
    theme.screenSaveActive = "1";
    theme.colours = { { "Background", "0 64 128" }, { "Menu", "1 2" } };
    ThemePreview preview = previewOf(theme, { "Plus!\\Wobble", ".Default\\Gone" });

    EXPECT_EQ(preview.title(), "Deep Sea");
    EXPECT_EQ(preview.rows(),
        (std::vector<Row> {
            { "Wallpaper: /t/sea.bmp", {} },
            { "Tile wallpaper: No", {} },
            { "Sound .Default\\SystemStart: /t/start.wav", {} },
            { "Sound Explorer\\EmptyRecycleBin: /t/bin.wav (missing)", {} },
            { "Screen saver: /t/Sea.scr (missing)", {} },
            { "Screen saver on: Yes", {} },
            { "Colour Background: 0 64 128", Colour { 0, 64, 128 } },
            { "Colour Menu: 1 2", {} },
            { "Sounds not set, no registry key: Plus!\\Wobble, .Default\\Gone", {} },
        }));
    EXPECT_EQ(preview.wallpaper(), "/t/sea.bmp");
    EXPECT_EQ(preview.noPictureText(), "(no preview of this wallpaper)");
}

TEST(ThemePreview, SaysWhyNoPictureIsShown)
{
    ThemeSettings missing, none;
    missing.wallpaper = "/t/gone.bmp";
    EXPECT_EQ(previewOf(missing).wallpaper(), std::nullopt);
    EXPECT_EQ(previewOf(missing).noPictureText(), "(wallpaper missing)");
    EXPECT_EQ(previewOf(none).noPictureText(), "(no wallpaper)");
    EXPECT_EQ(previewOf(none).rows().at(0).text, "Nothing: the theme names no item this program applies.");
}

TEST(ThemePreview, ReadsColoursAsThreeNumbersUpTo255)
{
    EXPECT_EQ(ThemePreview::colourOf("255 128 7"), (Colour { 255, 128, 7 }));
    for (const char* text : { "256 0 0", "0255 0 0", "1 2 3 4", "1,2,3", "-1 2 3", "" })
        EXPECT_EQ(ThemePreview::colourOf(text), std::nullopt) << text;
}
