#include "desktop/DesktopChoice.h"

#include "desktop/GSettingsBackground.h"
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

std::unique_ptr<DesktopBackground> named(
    const QString& name, std::shared_ptr<CommandRunner>& runner, PlasmaBackground::Evaluate& evaluate)
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
        return std::make_unique<XfceBackground>(runner);
    if (name.compare("KDE", Qt::CaseInsensitive) == 0)
        return std::make_unique<PlasmaBackground>(evaluate);
    return nullptr;
}

} // namespace

SessionEnvironment SessionEnvironment::fromProcess()
{
    return { environment("XDG_CURRENT_DESKTOP"), environment("DISPLAY"), environment("WAYLAND_DISPLAY") };
}

std::unique_ptr<DesktopBackground> chooseDesktopBackground(
    const SessionEnvironment& session, std::shared_ptr<CommandRunner> runner, PlasmaBackground::Evaluate evaluate)
{
    // The first name that is known wins: "Budgie:GNOME" is Budgie, "ubuntu:GNOME" is GNOME.
    for (const QString& name : QString::fromLocal8Bit(session.currentDesktop).split(':', Qt::SkipEmptyParts))
        if (std::unique_ptr<DesktopBackground> background = named(name, runner, evaluate))
            return background;
    if (!session.display.empty())
        return std::make_unique<X11RootBackground>(session.display);
    return nullptr;
}
