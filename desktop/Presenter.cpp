#include "desktop/Presenter.h"

#include "cycle/Registry.h"
#include "desktop/DesktopBackground.h"
#include "desktop/SessionEnd.h"
#include "desktop/WavePlayer.h"
#include "desktop/WindowsWallpaper.h"
#include "panels/sound/SoundApply.h"
#include "panels/wallpaper/PictureImage.h"

#include <ostream>

Presenter::Presenter(CycleServices services, bool session, std::unique_ptr<DesktopBackground> background,
    std::shared_ptr<WavePlayer> player, std::ostream& out, std::ostream& errors)
    : m_services(std::move(services))
    , m_session(session)
    , m_background(std::move(background))
    , m_player(std::move(player))
    , m_out(out)
    , m_errors(errors)
{
}

Presenter::~Presenter() = default;

bool Presenter::present(bool dryRun)
{
    if (!m_session) {
        m_out << "desktop: failed" << std::endl;
        m_errors << "There is no desktop session to show the wallpaper on or play the start-up sound to." << std::endl;
        return false;
    }
    // Without a background only the sound is asked for (the Save notification's "play" action).
    bool shown = m_background ? showWallpaper(dryRun) : true;
    return playStartupSound(dryRun) && shown;
}

bool Presenter::playStartupSound(bool dryRun)
{
    try {
        std::string wave = eventWave(*m_services.registry, SoundEvent::SystemStart);
        if (wave.empty()) {
            m_out << "start-up sound: none set" << std::endl;
            return true;
        }
        if (!dryRun)
            m_player->playOnce(wave);
        m_out << "start-up sound: " << (dryRun ? "would play " : "played ") << wave << std::endl;
        return true;
    } catch (const std::exception& error) {
        fail("start-up sound", error.what());
        return false;
    }
}

bool Presenter::showWallpaper(bool dryRun)
{
    try {
        std::optional<WindowsWallpaper> wallpaper = WindowsWallpaper::read(*m_services.registry, *m_services.files);
        if (!wallpaper) {
            m_out << "desktop: win.ini names no wallpaper, the desktop is left alone" << std::endl;
            return true;
        }
        m_background->checkShowable();
        // A picture the desktop could not show would leave it blank: it is checked here, with the panel's messages.
        loadPictureImage(wallpaper->path);
        if (!dryRun)
            m_background->show(*wallpaper);
        m_out << "desktop: " << (dryRun ? "would show " : "") << wallpaper->path
              << (wallpaper->tiled ? " (tiled)" : " (centred)") << (dryRun ? " on " : " shown on ")
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
