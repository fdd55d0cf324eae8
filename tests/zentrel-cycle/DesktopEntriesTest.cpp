#include "zentrel-cycle/DesktopEntries.h"

#include "cycle/Exception.h"
#include "cycle/TemporaryFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// desktop-file-validate's verdict: empty when the entry is valid and draws no hint.
std::string validate(const TemporaryFolder& folder, const std::string& path)
{
    std::string report = folder.file("report.txt");
    std::string command = "desktop-file-validate '" + path + "' >'" + report + "' 2>&1";
    int status = std::system(command.c_str());
    std::string text = TemporaryFolder::readPath(report);
    return status == 0 ? text : "exit " + std::to_string(status) + ": " + text;
}

class DesktopEntriesTest : public ::testing::Test {
protected:
    DesktopPlaces places() const
    {
        return { folder.file("config/autostart"), folder.file("data/applications"),
            folder.file("data/icons/hicolor/32x32/apps") };
    }

    TemporaryFolder folder;
};

} // namespace

TEST_F(DesktopEntriesTest, InstallsValidEntriesThatRunTheProgramsBesideEachOther)
{
    // A program folder with blanks and characters the desktop would read as syntax.
    DesktopEntries entries(places(), "/opt/my apps/$zen%/", { "--program-dir", "/srv/lists" });
    std::vector<std::string> written = entries.install("\x89PNG icon bytes");
    EXPECT_EQ(written,
        (std::vector<std::string> { folder.file("config/autostart/zentrel-cycle.desktop"),
            folder.file("data/applications/zentrel.desktop"),
            folder.file("data/icons/hicolor/32x32/apps/zentrel.png") }));
    std::string autostart = folder.read("config/autostart/zentrel-cycle.desktop");
    EXPECT_NE(autostart.find("\nExec=\"/opt/my apps/\\\\$zen%%/zentrel-cycle\" --present --program-dir /srv/lists\n"),
        std::string::npos)
        << autostart;
    EXPECT_NE(folder.read("data/applications/zentrel.desktop").find("\nExec=\"/opt/my apps/\\\\$zen%%/zentrel\"\n"),
        std::string::npos);
    EXPECT_EQ(folder.read("data/icons/hicolor/32x32/apps/zentrel.png"), "\x89PNG icon bytes");
    for (const std::string& path : { written[0], written[1] })
        EXPECT_EQ(validate(folder, path), "") << path;
}

TEST_F(DesktopEntriesTest, APathWithALineBreakOrControlCharacterWritesNoEntry)
{
    const std::string injected = "x\nExec=touch CANARY\nX=/";
    for (const auto& [program, arguments] : std::vector<std::pair<std::string, std::vector<std::string>>> {
             { "/opt/" + injected, {} }, { "/opt/", { "--program-dir", injected } }, { "/opt/cr\r/", {} },
             { std::string("/opt/nul\0/", 10), {} }, { "/opt/esc\x1b/", {} } }) {
        EXPECT_THROW(DesktopEntries(places(), program, arguments).install("icon"), Exception) << program;
        EXPECT_EQ(folder.entryCount(), 0u) << "nothing written for " << program;
    }
}

TEST_F(DesktopEntriesTest, RemovingTakesOnlyTheLoginEntry)
{
    DesktopEntries entries(places(), "/opt/zentrel/");
    EXPECT_FALSE(entries.removeAutostart()) << "nothing installed yet";
    entries.install("icon");
    EXPECT_TRUE(entries.removeAutostart());
    EXPECT_FALSE(std::filesystem::exists(entries.autostartPath()));
    EXPECT_TRUE(std::filesystem::exists(entries.menuPath())) << "the menu entry stays";
}

TEST(DesktopPlacesTest, TheBaseDirectoriesFollowTheEnvironment)
{
    struct Case {
        const char *home, *config, *data;
        std::string autostart, applications;
    };
    for (const Case& c : {
             Case { "/home/u", nullptr, nullptr, "/home/u/.config/autostart", "/home/u/.local/share/applications" },
             Case { "/home/u", "/cfg", "/dat", "/cfg/autostart", "/dat/applications" },
             Case { "/home/u", "relative", "", "/home/u/.config/autostart", "/home/u/.local/share/applications" },
         }) {
        setenv("HOME", c.home, 1);
        c.config ? setenv("XDG_CONFIG_HOME", c.config, 1) : unsetenv("XDG_CONFIG_HOME");
        c.data ? setenv("XDG_DATA_HOME", c.data, 1) : unsetenv("XDG_DATA_HOME");
        DesktopPlaces places = DesktopPlaces::fromEnvironment();
        EXPECT_EQ(places.autostartFolder, c.autostart);
        EXPECT_EQ(places.applicationsFolder, c.applications);
    }
    unsetenv("HOME");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_ANY_THROW(DesktopPlaces::fromEnvironment());
}
