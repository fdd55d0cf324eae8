// The XFCE and KDE Plasma paths, through a recorded command runner and a recorded shell call.
#include "cycle/Exception.h"
#include "desktop/CommandRunner.h"
#include "desktop/PlasmaBackground.h"
#include "desktop/WindowsWallpaper.h"
#include "desktop/XfceBackground.h"

#include <gtest/gtest.h>

namespace {

struct RecordedRunner : CommandRunner {
    Result run(const std::string& program, const std::vector<std::string>& arguments) override
    {
        std::string line = program;
        for (const std::string& argument : arguments)
            line += " " + argument;
        commands.push_back(line);
        Result result = answer;
        if (line.ends_with(" -l"))
            result.output = listing;
        else if (line.find(failing) != std::string::npos && !failing.empty())
            result.exitCode = 1;
        return result;
    }
    Result answer { true, 0, "" };
    std::string listing, failing;
    std::vector<std::string> commands;
};

std::string messageOf(DesktopBackground& background, const WindowsWallpaper& wallpaper)
{
    try {
        background.show(wallpaper);
    } catch (const Exception& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(XfceBackgroundTest, EveryMonitorAndWorkspaceGetsThePicture)
{
    auto runner = std::make_shared<RecordedRunner>();
    runner->listing = "/backdrop/screen0/monitorVirtual1/workspace0/color-style\n"
                      "/backdrop/screen0/monitorVirtual1/workspace0/last-image\n"
                      "/backdrop/screen0/monitorHDMI-1/workspace1/last-image\n"
                      "/desktop-icons/style\n";
    XfceBackground xfce(runner);
    xfce.show({ "/pics/a b.bmp", true });
    const std::string first = "xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitorVirtual1/workspace0";
    const std::string second = "xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitorHDMI-1/workspace1";
    EXPECT_EQ(runner->commands,
        (std::vector<std::string> { "xfconf-query -c xfce4-desktop -l", first + "/last-image -s /pics/a b.bmp",
            first + "/image-style -s 2", second + "/last-image -s /pics/a b.bmp", second + "/image-style -s 2" }));
}

TEST(XfceBackgroundTest, AFreshDesktopGetsTheFirstMonitorsProperties)
{
    auto runner = std::make_shared<RecordedRunner>();
    runner->answer.exitCode = 1; // the channel does not exist yet
    runner->listing = "";
    XfceBackground xfce(runner);
    EXPECT_EQ(messageOf(xfce, { "/a.bmp", false }),
        "xfconf-query could not set /backdrop/screen0/monitor0/workspace0/last-image");
    runner->answer.exitCode = 0;
    runner->commands.clear();
    xfce.show({ "/a.bmp", false });
    const std::string property = "xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitor0/workspace0";
    EXPECT_EQ(runner->commands,
        (std::vector<std::string> { "xfconf-query -c xfce4-desktop -l", property + "/last-image -n -t string -s /a.bmp",
            property + "/image-style -n -t int -s 1" }));
}

TEST(XfceBackgroundTest, AMissingToolIsOneMessage)
{
    auto runner = std::make_shared<RecordedRunner>();
    runner->answer.started = false;
    XfceBackground xfce(runner);
    EXPECT_EQ(messageOf(xfce, { "/a.bmp", true }), "xfconf-query cannot be run");
    EXPECT_EQ(runner->commands.size(), 1u);
}

TEST(PlasmaBackgroundTest, EveryDesktopGetsTheImagePluginWithThePictureAndFillMode)
{
    std::vector<std::string> scripts;
    std::optional<std::string> failure;
    PlasmaBackground plasma([&](const std::string& script) {
        scripts.push_back(script);
        return failure;
    });
    plasma.show({ "/pics/\"odd\" name%.bmp", true });
    plasma.show({ "/pics/b.bmp", false });
    ASSERT_EQ(scripts.size(), 2u);
    EXPECT_NE(scripts[0].find("d.wallpaperPlugin = \"org.kde.image\""), std::string::npos);
    EXPECT_NE(scripts[0].find("d.writeConfig(\"Image\", \"file:///pics/%22odd%22%20name%25.bmp\");"), std::string::npos)
        << scripts[0];
    EXPECT_NE(scripts[0].find("d.writeConfig(\"FillMode\", 3);"), std::string::npos);
    EXPECT_NE(scripts[1].find("d.writeConfig(\"FillMode\", 6);"), std::string::npos);

    failure = "org.freedesktop.DBus.Error.ServiceUnknown";
    EXPECT_EQ(messageOf(plasma, { "/a.bmp", true }),
        "The Plasma shell did not take the wallpaper: org.freedesktop.DBus.Error.ServiceUnknown");
}
