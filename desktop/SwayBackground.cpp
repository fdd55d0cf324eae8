#include "desktop/SwayBackground.h"

#include "cycle/Exception.h"
#include "desktop/DesktopTool.h"
#include "desktop/WindowsWallpaper.h"

SwayBackground::SwayBackground(std::shared_ptr<CommandRunner> runner)
    : m_runner(std::move(runner))
{
}

void SwayBackground::show(const WindowsWallpaper& wallpaper)
{
    // sway splits the command at blanks outside quotes, then expands the file name as a shell
    // would: a name with quotes, "$" or "`" could run a command there, so it is refused.
    if (wallpaper.path.find_first_of("\"'`$\\\n") != std::string::npos)
        throw Exception(formatMessage("The file name %s can't be handed to sway", wallpaper.path));
    std::string quoted = "\"" + wallpaper.path + "\"";
    runDesktopTool(*m_runner, "swaymsg",
        { "output", "*", "bg", quoted, wallpaper.tiled ? "tile" : "center", wallpaper.colourName() },
        "sway did not take the wallpaper");
}
