#include "desktop/XfceBackground.h"

#include "cycle/Exception.h"
#include "desktop/CommandRunner.h"
#include "desktop/WindowsWallpaper.h"

#include <sstream>

namespace {

const std::string channel = "xfce4-desktop";
const std::string imageSuffix = "/last-image";

} // namespace

XfceBackground::XfceBackground(std::shared_ptr<CommandRunner> runner)
    : m_runner(std::move(runner))
{
}

void XfceBackground::query(const std::vector<std::string>& arguments, std::string* output)
{
    std::vector<std::string> words { "-c", channel };
    words.insert(words.end(), arguments.begin(), arguments.end());
    CommandRunner::Result result = m_runner->run("xfconf-query", words);
    if (!result.started)
        throw Exception("xfconf-query cannot be run");
    if (result.exitCode != 0)
        throw Exception(formatMessage("xfconf-query could not set %s", arguments.at(1)));
    if (output)
        *output = result.output;
}

void XfceBackground::show(const WindowsWallpaper& wallpaper)
{
    std::string listing;
    CommandRunner::Result listed = m_runner->run("xfconf-query", { "-c", channel, "-l" });
    if (!listed.started)
        throw Exception("xfconf-query cannot be run");
    // A channel that does not exist yet lists nothing and fails; the defaults are made below.
    std::vector<std::string> monitors;
    std::istringstream lines(listed.exitCode == 0 ? listed.output : "");
    for (std::string line; std::getline(lines, line);)
        if (line.ends_with(imageSuffix))
            monitors.push_back(line.substr(0, line.size() - imageSuffix.size()));

    std::string style = wallpaper.tiled ? "2" : "1";
    if (monitors.empty()) {
        std::string first = "/backdrop/screen0/monitor0/workspace0";
        query({ "-p", first + imageSuffix, "-n", "-t", "string", "-s", wallpaper.path });
        query({ "-p", first + "/image-style", "-n", "-t", "int", "-s", style });
        return;
    }
    for (const std::string& monitor : monitors) {
        query({ "-p", monitor + imageSuffix, "-s", wallpaper.path });
        query({ "-p", monitor + "/image-style", "-s", style });
    }
}
