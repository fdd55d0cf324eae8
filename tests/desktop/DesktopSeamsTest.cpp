// The XFCE and KDE Plasma paths, through a recorded command runner and a recorded shell call.
#include "cycle/Exception.h"
#include "desktop/CommandRunner.h"
#include "desktop/PlasmaBackground.h"
#include "desktop/WindowsWallpaper.h"
#include "desktop/XfceBackground.h"

#include <gtest/gtest.h>
#include <map>

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
        for (const auto& [property, value] : readBack)
            if (line.ends_with("/" + property))
                result.output = value;
        return result;
    }
    Result answer { true, 0, "" };
    std::string listing, failing;
    std::map<std::string, std::string> readBack; // what reading a property back answers
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

// Every backdrop there is gets the picture; a desktop with none yet gets one per output and
// workspace; what xfconf reads back must be what was set.
TEST(XfceBackgroundTest, EveryBackdropGetsThePictureAndIsReadBack)
{
    struct Case {
        std::string listing;
        X11Screen screen;
        std::vector<std::string> backdrops;
    };
    const std::string root = "/backdrop/screen0/";
    for (const Case& c : {
             Case { root + "monitorVirtual1/workspace0/color-style\n" + root + "monitorVirtual1/workspace0/last-image\n"
                     + root + "monitorHDMI-1/workspace1/last-image\n/desktop-icons/style\n",
                 { { "screen" }, 4 }, { root + "monitorVirtual1/workspace0", root + "monitorHDMI-1/workspace1" } },
             Case { "", { { "HDMI-1", "DP-2" }, 2 },
                 { root + "monitorHDMI-1/workspace0", root + "monitorHDMI-1/workspace1",
                     root + "monitorDP-2/workspace0", root + "monitorDP-2/workspace1" } },
             Case { "", {}, { root + "monitor0/workspace0" } },
         }) {
        auto runner = std::make_shared<RecordedRunner>();
        runner->listing = c.listing;
        runner->readBack = { { "last-image", "/pics/a b.bmp\n" }, { "image-style", "1\n" } };
        XfceBackground xfce(runner, [&] { return c.screen; });
        xfce.show({ "/pics/a b.bmp", false, 0x008080 });
        std::vector<std::string> expected { "xfconf-query -c xfce4-desktop -l" };
        for (const std::string& backdrop : c.backdrops) {
            const std::string set = "xfconf-query -c xfce4-desktop -p " + backdrop;
            expected.insert(expected.end(),
                { set + "/color-style -n -t int -s 0",
                    set + "/rgba1 -n -t double -t double -t double -t double -s 0.000000 -s 0.501960 -s 0.501960 -s 1",
                    set + "/image-style -n -t int -s 1", set + "/last-image -n -t string -s /pics/a b.bmp" });
        }
        for (const std::string& backdrop : c.backdrops)
            expected.insert(expected.end(),
                { "xfconf-query -c xfce4-desktop -p " + backdrop + "/last-image",
                    "xfconf-query -c xfce4-desktop -p " + backdrop + "/image-style" });
        EXPECT_EQ(runner->commands, expected);
    }
}

TEST(XfceBackgroundTest, AMissingHangingOrRefusingToolIsOneMessage)
{
    const std::string property = "/backdrop/screen0/monitor0/workspace0";
    struct Case {
        CommandRunner::Result answer;
        std::string failing;
        std::map<std::string, std::string> readBack;
        std::string message;
    };
    for (const Case& c : {
             Case { { false, 0, "" }, "", {}, "xfconf-query cannot be run" },
             Case { { true, -1, "", true }, "", {}, "xfconf-query did not answer within 10 seconds" },
             Case { { true, 0, "" }, "image-style -n", {}, "xfconf-query could not set " + property + "/image-style" },
             Case { { true, 0, "" }, "", { { "last-image", "/old.bmp\n" }, { "image-style", "2\n" } },
                 "xfconf did not keep the wallpaper of " + property },
         }) {
        auto runner = std::make_shared<RecordedRunner>();
        runner->answer = c.answer;
        runner->failing = c.failing;
        runner->readBack = c.readBack;
        XfceBackground xfce(runner, {});
        EXPECT_EQ(messageOf(xfce, { "/a.bmp", true }), c.message);
    }
}

TEST(PlasmaBackgroundTest, TheShellMustSayEveryDesktopKeptTheWallpaper)
{
    WindowsWallpaper tiled { "/pics/\"odd\" name%.bmp", true, 0x008080 };
    EXPECT_EQ(PlasmaBackground::expectedAnswer(tiled), "zentrel file:///pics/%22odd%22%20name%25.bmp 3");
    struct Case {
        PlasmaBackground::Reply reply;
        std::string message;
    };
    std::string kept = PlasmaBackground::expectedAnswer(tiled) + "\n";
    for (const Case& c : {
             Case { { true, kept + kept }, "" },
             Case { { true, kept + "zentrel file:///old.bmp 6\n" },
                 "The Plasma shell did not keep the wallpaper: file:///old.bmp 6" },
             Case { { true, "" }, "The Plasma shell has no desktop to show the wallpaper on" },
             Case { { false, "org.freedesktop.DBus.Error.ServiceUnknown" },
                 "The Plasma shell did not take the wallpaper: org.freedesktop.DBus.Error.ServiceUnknown" },
         }) {
        PlasmaBackground plasma([&](const std::string&) { return c.reply; });
        EXPECT_EQ(messageOf(plasma, tiled), c.message);
    }
}
