#include "panels/theme/ThemeShell.h"

#include "cycle/LineFiles.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "cycle/System.h"
#include "panels/theme/BuiltInThemeShell.h"
#include "panels/theme/ThemeApplier.h"

#ifdef _WIN32
std::shared_ptr<System> makeThemeShell(std::shared_ptr<System> platform, const std::string&,
    std::function<void(const ThemePreview&)>, std::function<void(const ThemeApplied&)>)
{
    return platform;
}
#else
std::shared_ptr<System> makeThemeShell(std::shared_ptr<System> platform, const std::string& programDirectory,
    std::function<void(const ThemePreview&)> show, std::function<void(const ThemeApplied&)> applied)
{
    auto registry = std::make_shared<RegistryFile>(StandInMachine(programDirectory).registryPath());
    auto applier = std::make_shared<ThemeApplier>(registry, std::make_shared<LineFiles>(), platform);
    return std::make_shared<BuiltInThemeShell>(
        std::move(platform), std::move(applier), std::move(show), std::move(applied));
}
#endif
