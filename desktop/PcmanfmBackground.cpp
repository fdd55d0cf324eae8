#include "desktop/PcmanfmBackground.h"

#include "cycle/Exception.h"
#include "desktop/DesktopTool.h"
#include "desktop/WindowsWallpaper.h"

PcmanfmBackground::PcmanfmBackground(
    std::string program, std::string desktop, std::shared_ptr<CommandRunner> runner, std::function<X11Screen()> screen)
    : m_program(std::move(program))
    , m_desktop(std::move(desktop))
    , m_runner(std::move(runner))
    , m_screen(std::move(screen))
{
}

void PcmanfmBackground::checkShowable() const
{
    if (m_screen && !m_screen().desktopWindow)
        throw Exception(
            formatMessage("%s is not drawing the desktop; Zentrel cannot show the wallpaper here", m_program));
}

void PcmanfmBackground::show(const WindowsWallpaper& wallpaper)
{
    runDesktopTool(*m_runner, m_program,
        { "--set-wallpaper", wallpaper.path, "--wallpaper-mode", wallpaper.tiled ? "tile" : "center" },
        formatMessage("%s did not take the wallpaper", m_program));
}
