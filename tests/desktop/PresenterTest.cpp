// Reading the stand-in machine's wallpaper and handing it to the desktop, with a desktop that
// only notes what it was given.
#include "desktop/Presenter.h"

#include "cycle/Exception.h"
#include "cycle/LineFiles.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "cycle/TemporaryFolder.h"
#include "desktop/DesktopBackground.h"
#include "desktop/DesktopChoice.h"
#include "desktop/WavePlayer.h"
#include "desktop/WindowsWallpaper.h"

#include <QImage>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct NotedBackground : DesktopBackground {
    explicit NotedBackground(std::vector<std::string>& shown)
        : shown(shown)
    {
    }
    std::string name() const override { return "the test desktop"; }
    void checkShowable() const override
    {
        if (!refusal.empty())
            throw Exception(refusal);
    }
    void show(const WindowsWallpaper& wallpaper) override
    {
        shown.push_back(wallpaper.path + (wallpaper.tiled ? " tiled" : " centred"));
    }
    std::vector<std::string>& shown;
    std::string refusal;
};

struct NotedPlayer : WavePlayer {
    void playOnce(const std::string& path) override
    {
        if (!failure.empty())
            throw Exception(failure);
        played.push_back(path);
    }
    std::vector<std::string> played;
    std::string failure;
};

class PresenterTest : public ::testing::Test {
protected:
    PresenterTest()
    {
        StandInMachine(folder.path()).ensureExists();
        QImage picture(4, 2, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(QString::fromStdString(folder.file("a b.bmp")), "BMP");
        folder.write("broken.bmp", "BM not really");
    }
    void setWinIni(const std::string& desktopLines)
    {
        folder.write("machine/c/WINDOWS/win.ini", "[windows]\r\nload=\r\n" + desktopLines + "[intl]\r\niCountry=1\r\n");
    }
    bool present(bool withDesktop = true, bool session = true, bool dryRun = false)
    {
        CycleServices services;
        services.programDirectory = folder.path();
        services.registry = std::make_shared<RegistryFile>(StandInMachine(folder.path()).registryPath());
        services.files = std::make_shared<LineFiles>();
        out.str("");
        errors.str("");
        std::unique_ptr<NotedBackground> background;
        if (withDesktop) {
            background = std::make_unique<NotedBackground>(shown);
            background->refusal = refusal;
        }
        return Presenter(services, session, std::move(background), player, out, errors).present(dryRun);
    }

    TemporaryFolder folder;
    std::vector<std::string> shown;
    std::string refusal; // what the desktop says when asked whether it can show a wallpaper
    std::shared_ptr<NotedPlayer> player = std::make_shared<NotedPlayer>();
    std::ostringstream out, errors;
};

} // namespace

TEST_F(PresenterTest, ShowsTheWallpaperWindowsWouldReadAtStart)
{
    std::string a = folder.file("a b.bmp");
    struct Case {
        std::string lines, shown;
    };
    for (const Case& c : {
             Case { "[Desktop]\r\nWallpaper=/old.bmp\r\nTileWallpaper=0\r\n[Later]\r\nWALLPAPER=" + a
                     + "\r\ntilewallpaper=1\r\n",
                 a + " tiled" },
             Case { "[Desktop]\r\nWallpaper=" + a + "\r\nTileWallpaper=0\r\n", a + " centred" },
             Case { "[Desktop]\r\nWallpaper=" + a + "\r\n", a + " centred" },
         }) {
        setWinIni(c.lines);
        shown.clear();
        std::string before = folder.read("machine/c/WINDOWS/win.ini") + folder.read("machine/registry.reg");
        EXPECT_TRUE(present());
        EXPECT_EQ(shown, std::vector<std::string> { c.shown });
        EXPECT_EQ(out.str(),
            "desktop: " + a + (c.shown.ends_with("tiled") ? " (tiled)" : " (centred)")
                + " shown on the test desktop\nstart-up sound: none set\n");
        EXPECT_EQ(folder.read("machine/c/WINDOWS/win.ini") + folder.read("machine/registry.reg"), before);
    }
}

TEST_F(PresenterTest, NoPictureLeavesTheDesktopAloneButNoWayToShowOneFails)
{
    for (const char* lines :
        { "[Desktop]\r\nWallpaper=\r\nTileWallpaper=1\r\n", "[Desktop]\r\nWallpaper=(None)\r\n", "" }) {
        setWinIni(lines);
        EXPECT_TRUE(present());
        EXPECT_EQ(
            out.str(), "desktop: win.ini names no wallpaper, the desktop is left alone\nstart-up sound: none set\n");
    }
    EXPECT_FALSE(present(false, false));
    EXPECT_EQ(out.str(), "desktop: failed\n");
    EXPECT_EQ(errors.str(), "There is no desktop session to show the wallpaper on or play the start-up sound to.\n");

    setWinIni("[Desktop]\r\nWallpaper=" + folder.file("a b.bmp") + "\r\n");
    refusal = "the desktop draws its own background; Zentrel cannot show the wallpaper here";
    for (bool dryRun : { false, true }) {
        EXPECT_FALSE(present(true, true, dryRun));
        EXPECT_EQ(out.str(), "desktop: failed\nstart-up sound: none set\n");
        EXPECT_EQ(errors.str(), refusal + ".\n");
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(player->played.empty());
}

TEST_F(PresenterTest, APictureOrWinIniThatCannotBeReadIsOneMessage)
{
    std::string missing = folder.file("gone.bmp");
    std::string winIni = folder.file("machine/c/WINDOWS/win.ini");
    struct Case {
        std::string lines, message;
    };
    for (const Case& c : {
             Case { "[Desktop]\r\nWallpaper=" + missing + "\r\n", "Cannot open file " + missing + ".\n" },
             Case { "[Desktop]\r\nWallpaper=" + folder.file("broken.bmp") + "\r\n", "Bitmap image is not valid.\n" },
         }) {
        setWinIni(c.lines);
        EXPECT_FALSE(present());
        EXPECT_EQ(out.str(), "desktop: failed\nstart-up sound: none set\n");
        EXPECT_EQ(errors.str(), c.message);
    }
    std::filesystem::remove(winIni);
    EXPECT_FALSE(present());
    EXPECT_EQ(errors.str(), "Cannot open file " + winIni + ".\n");
    EXPECT_TRUE(shown.empty());
}

TEST(DesktopChoiceTest, TheSessionsOwnDesktopFirstThenTheRootWindow)
{
    struct Case {
        std::string desktop, display, chosen, wayland = "", sway = "";
    };
    for (const Case& c : {
             Case { "GNOME", "", "GNOME" },
             Case { "ubuntu:GNOME", ":0", "GNOME" },
             Case { "Budgie:GNOME", ":0", "GNOME" },
             Case { "Pantheon", ":0", "GNOME" },
             Case { "X-Cinnamon", ":0", "Cinnamon" },
             Case { "MATE", ":0", "MATE" },
             Case { "XFCE", ":0", "XFCE" },
             Case { "KDE", "", "KDE Plasma" },
             Case { "i3", ":1", "the X11 root window" },
             Case { "", ":0", "the X11 root window" },
             Case { "LXDE", ":0", "LXDE" },
             Case { "LXQt", ":0", "LXQt" },
             Case { "sway", ":1", "sway", "wayland-1", "/run/user/1000/sway-ipc.sock" },
             Case { "Hyprland", ":1", "Hyprland (Wayland)", "wayland-1" }, // its Xwayland root is never seen
             Case { "", "", "this desktop (Wayland)", "wayland-0" },
             Case { "Lumina", "", "Lumina" },
             Case { "", "", "" },
         }) {
        std::unique_ptr<DesktopBackground> chosen
            = chooseDesktopBackground({ c.desktop, c.display, c.wayland, c.sway }, nullptr);
        EXPECT_EQ(chosen ? chosen->name() : "", c.chosen) << c.desktop << " " << c.display;
        if (c.chosen.ends_with("Wayland)") || c.chosen == "Lumina") {
            try {
                chosen->checkShowable();
                ADD_FAILURE() << c.chosen;
            } catch (const Exception& error) {
                EXPECT_EQ(std::string(error.what()), "Zentrel knows no way to set the background of " + c.chosen);
            }
        }
    }
}

TEST_F(PresenterTest, PlaysTheStartUpEventsWaveAfterTheWallpaperWhateverBecameOfIt)
{
    setWinIni("[Desktop]\r\nWallpaper=" + folder.file("gone.bmp") + "\r\n");
    std::string store = folder.read("machine/registry.reg");
    std::string key = "SystemStart\\.Current]\r\n@=\"\"";
    ASSERT_NE(store.find(key), std::string::npos);
    store.replace(store.find(key), key.size(), "SystemStart\\.Current]\r\n@=\"/w/tada.wav\"");
    folder.write("machine/registry.reg", store);

    EXPECT_FALSE(present()) << "the wallpaper failed";
    EXPECT_EQ(out.str(), "desktop: failed\nstart-up sound: played /w/tada.wav\n");
    EXPECT_EQ(player->played, std::vector<std::string> { "/w/tada.wav" });

    setWinIni("[Desktop]\r\nWallpaper=" + folder.file("a b.bmp") + "\r\nTileWallpaper=1\r\n");
    EXPECT_TRUE(present(true, true, true));
    EXPECT_EQ(out.str(),
        "desktop: would show " + folder.file("a b.bmp")
            + " (tiled) on the test desktop\nstart-up sound: would play /w/tada.wav\n");
    EXPECT_TRUE(shown.empty()) << "a dry run leaves the desktop alone";
    EXPECT_EQ(player->played.size(), 1u);

    setWinIni("");
    player->failure = "The specified file cannot be played on the specified MCI device";
    EXPECT_FALSE(present());
    EXPECT_EQ(out.str(), "desktop: win.ini names no wallpaper, the desktop is left alone\nstart-up sound: failed\n");
    EXPECT_EQ(errors.str(), player->failure + ".\n");
}
