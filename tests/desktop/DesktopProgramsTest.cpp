// --present against the desktops' own programs: each draws the desktop in a session of the test's
// own, and the screen's pixels must then be the picture, tiled and centred.
#include "LiveDesktop.h"

#include <cstdlib>
#include <fstream>

namespace {

bool installed(const std::string& program)
{
    return std::system(("command -v '" + program + "' >/dev/null 2>&1").c_str()) == 0;
}

// Both tilings in turn, each shown on the screen; `onColour`: the desktop takes the colour too.
void expectBothShown(LiveDesktop& session, const std::string& desktop, bool onColour)
{
    for (bool tiled : { true, false }) {
        std::string output;
        EXPECT_EQ(session.present(tiled, output), 0) << output;
        EXPECT_NE(
            output.find(tiled ? " (tiled) shown on " + desktop : " (centred) shown on " + desktop), std::string::npos)
            << output;
        EXPECT_TRUE(session.shows(tiled, onColour)) << desktop << (tiled ? " tiled" : " centred");
    }
}

void startX11Desktop(LiveDesktop& session, std::vector<std::vector<std::string>> programs)
{
    for (auto& program : programs)
        session.start(std::move(program));
    ASSERT_TRUE(LiveDesktop::waitFor([&] { return session.desktopWindowIsUp(); }, 40))
        << "the desktop window did not come up";
}

} // namespace

// With a window manager, as in a session: without one xfdesktop's window stays small, and a
// painter of the root window alone would pass.
TEST(DesktopProgramsTest, XfceXfdesktop)
{
    if (!installed("xfdesktop") || !installed("xfwm4"))
        GTEST_SKIP() << "xfdesktop or xfwm4 is not installed";
    LiveDesktop session("XFCE");
    startX11Desktop(session, { { "xfwm4" }, { "xfdesktop" } });
    expectBothShown(session, "XFCE", true);
}

TEST(DesktopProgramsTest, MateCaja)
{
    if (!installed("caja"))
        GTEST_SKIP() << "caja is not installed";
    LiveDesktop session("MATE");
    startX11Desktop(session, { { "caja", "--force-desktop", "--no-default-window" } });
    expectBothShown(session, "MATE", true);
}

// csd-background draws Cinnamon's background once the session manager says the session runs:
// a session of that one part, with no other autostart entries.
TEST(DesktopProgramsTest, CinnamonSession)
{
    if (!installed("cinnamon-session") || !installed("csd-background"))
        GTEST_SKIP() << "cinnamon-session or csd-background is not installed";
    // Ended by a signal, the session manager leaves its ICE socket behind.
    struct IceSocket {
        pid_t manager = 0;
        ~IceSocket() { std::filesystem::remove("/tmp/.ICE-unix/" + std::to_string(manager)); }
    } ice;
    LiveDesktop session("X-Cinnamon");
    std::ofstream(session.home(".config/cinnamon-session/sessions/zentrel.session"))
        << "[Cinnamon Session]\nName=Zentrel\nRequiredComponents=cinnamon-settings-daemon-background;\n";
    ice.manager = session.start({ "cinnamon-session", "--session=zentrel", "--autostart=" + session.home("none/") });
    ASSERT_TRUE(
        LiveDesktop::waitFor([&] { return session.succeeds("xprop -root _XROOTPMAP_ID | grep -q pixmap"); }, 40))
        << "csd-background drew no background";
    expectBothShown(session, "Cinnamon", true);
}

TEST(DesktopProgramsTest, LxdePcmanfm)
{
    if (!installed("pcmanfm"))
        GTEST_SKIP() << "pcmanfm is not installed";
    LiveDesktop session("LXDE");
    startX11Desktop(session, { { "pcmanfm", "--desktop" } });
    expectBothShown(session, "LXDE", false);
}

TEST(DesktopProgramsTest, LxqtPcmanfmQt)
{
    if (!installed("pcmanfm-qt"))
        GTEST_SKIP() << "pcmanfm-qt is not installed";
    LiveDesktop session("LXQt");
    startX11Desktop(session, { { "pcmanfm-qt", "--desktop" } });
    expectBothShown(session, "LXQt", false);
}

// No false success: a desktop program Zentrel does not know draws over the root window, and a
// pcmanfm that runs without drawing the desktop takes the wallpaper and shows nothing.
TEST(DesktopProgramsTest, NothingShownIsSaid)
{
    if (!installed("pcmanfm"))
        GTEST_SKIP() << "pcmanfm is not installed";
    struct Case {
        std::string desktop, mode, up, message;
    };
    for (const Case& c : {
             Case { "Lumina:unknown", "--desktop", "", "the desktop draws its own background" },
             Case { "LXDE", "--daemon-mode", "ls \"$XDG_RUNTIME_DIR\"/pcmanfm-socket-*",
                 "pcmanfm is not drawing the desktop" },
         }) {
        LiveDesktop session(c.desktop);
        session.start({ "pcmanfm", c.mode });
        ASSERT_TRUE(LiveDesktop::waitFor(
            [&] { return c.up.empty() ? session.desktopWindowIsUp() : session.succeeds(c.up); }, 40));
        std::string output;
        EXPECT_EQ(session.present(true, output), 1) << c.desktop;
        EXPECT_NE(output.find("desktop: failed\n" + c.message + "; Zentrel cannot show the wallpaper here.\n"),
            std::string::npos)
            << output;
    }
}

TEST(DesktopProgramsTest, SwayHeadless)
{
    if (!installed("sway") || !installed("grim") || !installed("swaybg"))
        GTEST_SKIP() << "sway, swaybg or grim is not installed";
    LiveDesktop session("sway", LiveDesktop::Screen::Sway);
    expectBothShown(session, "sway", true);
}
