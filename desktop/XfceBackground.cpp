#include "desktop/XfceBackground.h"

#include "cycle/Exception.h"
#include "desktop/CommandRunner.h"
#include "desktop/DesktopTool.h"
#include "desktop/WindowsWallpaper.h"

#include <cstdio>
#include <sstream>

namespace {

const std::string channel = "xfce4-desktop";
const std::string imageSuffix = "/last-image";

// xfconf-query reads doubles in the C locale's form.
std::string fraction(int channelValue)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d.%06d", channelValue / 255, channelValue % 255 * 1000000 / 255);
    return text;
}

} // namespace

XfceBackground::XfceBackground(std::shared_ptr<CommandRunner> runner, std::function<X11Screen()> screen)
    : m_runner(std::move(runner))
    , m_screen(std::move(screen))
{
}

std::string XfceBackground::query(const std::vector<std::string>& arguments, const std::string& property)
{
    std::vector<std::string> words { "-c", channel, "-p", property };
    words.insert(words.end(), arguments.begin(), arguments.end());
    return runDesktopTool(*m_runner, "xfconf-query", words, formatMessage("xfconf-query could not set %s", property));
}

std::vector<std::string> XfceBackground::backdrops()
{
    CommandRunner::Result listed = m_runner->run("xfconf-query", { "-c", channel, "-l" });
    if (!listed.started)
        throw Exception("xfconf-query cannot be run");
    // A channel that does not exist yet lists nothing and fails.
    std::vector<std::string> found;
    std::istringstream lines(listed.exitCode == 0 ? listed.output : "");
    for (std::string line; std::getline(lines, line);)
        if (line.ends_with(imageSuffix))
            found.push_back(line.substr(0, line.size() - imageSuffix.size()));
    if (!found.empty())
        return found;
    X11Screen screen = m_screen ? m_screen() : X11Screen {};
    if (screen.outputs.empty())
        screen.outputs.push_back("0"); // xfdesktop before 4.12 numbered its monitors
    for (const std::string& output : screen.outputs)
        for (int workspace = 0; workspace < screen.workspaces; ++workspace)
            found.push_back("/backdrop/screen0/monitor" + output + "/workspace" + std::to_string(workspace));
    return found;
}

void XfceBackground::show(const WindowsWallpaper& wallpaper)
{
    std::string style = wallpaper.tiled ? "2" : "1";
    std::vector<std::string> all = backdrops();
    for (const std::string& backdrop : all) {
        query({ "-n", "-t", "int", "-s", "0" }, backdrop + "/color-style");
        query({ "-n", "-t", "double", "-t", "double", "-t", "double", "-t", "double", "-s", fraction(wallpaper.red()),
                  "-s", fraction(wallpaper.green()), "-s", fraction(wallpaper.blue()), "-s", "1" },
            backdrop + "/rgba1");
        query({ "-n", "-t", "int", "-s", style }, backdrop + "/image-style");
        query({ "-n", "-t", "string", "-s", wallpaper.path }, backdrop + imageSuffix);
    }
    for (const std::string& backdrop : all)
        if (query({}, backdrop + imageSuffix) != wallpaper.path + "\n"
            || query({}, backdrop + "/image-style") != style + "\n")
            throw Exception(formatMessage("xfconf did not keep the wallpaper of %s", backdrop));
}
