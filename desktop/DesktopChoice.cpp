#include "desktop/DesktopChoice.h"

#include "cycle/Exception.h"
#include "desktop/GSettingsBackground.h"
#include "desktop/PcmanfmBackground.h"
#include "desktop/SwayBackground.h"
#include "desktop/X11RootBackground.h"
#include "desktop/XfceBackground.h"

#include <QString>
#include <cstdlib>

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A desktop Zentrel knows no means for: it says so rather than pretend.
class UnknownDesktop : public DesktopBackground {
public:
    explicit UnknownDesktop(std::string name)
        : m_name(std::move(name))
    {
    }
    std::string name() const override { return m_name; }
    void checkShowable() const override
    {
        throw Exception(formatMessage("Zentrel knows no way to set the background of %s", m_name));
    }
    void show(const WindowsWallpaper&) override { checkShowable(); }

private:
    std::string m_name;
};

std::unique_ptr<DesktopBackground> named(const QString& name, const SessionEnvironment& session,
    std::shared_ptr<CommandRunner>& runner, PlasmaBackground::Evaluate& evaluate)
{
    using Family = GSettingsBackground::Family;
    for (const char* gnome : { "GNOME", "Unity", "Budgie", "Pantheon" })
        if (name.compare(gnome, Qt::CaseInsensitive) == 0)
            return std::make_unique<GSettingsBackground>(Family::Gnome);
    if (name.compare("X-Cinnamon", Qt::CaseInsensitive) == 0 || name.compare("Cinnamon", Qt::CaseInsensitive) == 0)
        return std::make_unique<GSettingsBackground>(Family::Cinnamon);
    if (name.compare("MATE", Qt::CaseInsensitive) == 0)
        return std::make_unique<GSettingsBackground>(Family::Mate);
    if (name.compare("XFCE", Qt::CaseInsensitive) == 0)
        return std::make_unique<XfceBackground>(runner, [display = session.display] { return X11Screen::of(display); });
    if (name.compare("KDE", Qt::CaseInsensitive) == 0)
        return std::make_unique<PlasmaBackground>(evaluate);
    std::function<X11Screen()> x11;
    if (!session.display.empty() && session.waylandDisplay.empty())
        x11 = [display = session.display] { return X11Screen::of(display); };
    if (name.compare("LXDE", Qt::CaseInsensitive) == 0)
        return std::make_unique<PcmanfmBackground>("pcmanfm", "LXDE", runner, x11);
    if (name.compare("LXQt", Qt::CaseInsensitive) == 0)
        return std::make_unique<PcmanfmBackground>("pcmanfm-qt", "LXQt", runner, x11);
    return nullptr;
}

} // namespace

SessionEnvironment SessionEnvironment::fromProcess()
{
    return { environment("XDG_CURRENT_DESKTOP"), environment("DISPLAY"), environment("WAYLAND_DISPLAY"),
        environment("SWAYSOCK") };
}

std::unique_ptr<DesktopBackground> chooseDesktopBackground(
    const SessionEnvironment& session, std::shared_ptr<CommandRunner> runner, PlasmaBackground::Evaluate evaluate)
{
    // The first name that is known wins: "Budgie:GNOME" is Budgie, "ubuntu:GNOME" is GNOME.
    for (const QString& name : QString::fromLocal8Bit(session.currentDesktop).split(':', Qt::SkipEmptyParts))
        if (std::unique_ptr<DesktopBackground> background = named(name, session, runner, evaluate))
            return background;
    if (!session.swaySocket.empty())
        return std::make_unique<SwayBackground>(runner);
    std::string desktop = session.currentDesktop.empty() ? "this desktop" : session.currentDesktop;
    // A Wayland desktop's X server (Xwayland) has a root window that nobody sees.
    if (!session.waylandDisplay.empty())
        return std::make_unique<UnknownDesktop>(desktop + " (Wayland)");
    if (!session.display.empty())
        return std::make_unique<X11RootBackground>(session.display);
    if (session.hasSession())
        return std::make_unique<UnknownDesktop>(desktop);
    return nullptr;
}
