#include "panels/theme/ThemeShell.h"

#include "cycle/System.h"

std::shared_ptr<System> makeThemeShell(
    std::shared_ptr<System> platform, const std::string&, std::function<void(const std::string&)>)
{
    return platform;
}
