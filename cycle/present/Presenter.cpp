#include "cycle/present/Presenter.h"

#include "cycle/present/DesktopBackground.h"
#include "cycle/present/WindowsWallpaper.h"
#include "panels/wallpaper/PictureFile.h"

#include <ostream>

Presenter::Presenter(
    CycleServices services, std::unique_ptr<DesktopBackground> background, std::ostream& out, std::ostream& errors)
    : m_services(std::move(services))
    , m_background(std::move(background))
    , m_out(out)
    , m_errors(errors)
{
}

Presenter::~Presenter() = default;

bool Presenter::present()
{
    if (!m_background) {
        m_out << "desktop: no desktop session to show the wallpaper on" << std::endl;
        return true;
    }
    return showWallpaper();
}

bool Presenter::showWallpaper()
{
    try {
        std::optional<WindowsWallpaper> wallpaper = WindowsWallpaper::read(*m_services.registry, *m_services.files);
        if (!wallpaper) {
            m_out << "desktop: win.ini names no wallpaper, the desktop is left alone" << std::endl;
            return true;
        }
        // A picture the desktop could not show would leave it blank: it is checked here, with the panel's messages.
        loadPictureFile(wallpaper->path);
        m_background->show(*wallpaper);
        m_out << "desktop: " << wallpaper->path << (wallpaper->tiled ? " (tiled)" : " (centred)") << " shown on "
              << m_background->name() << std::endl;
        return true;
    } catch (const std::exception& error) {
        fail("desktop", error.what());
        return false;
    }
}

void Presenter::fail(const std::string& what, const std::string& message)
{
    m_out << what << ": failed" << std::endl;
    m_errors << message << "." << std::endl;
}
