#include "panels/wallpaper/WallpaperApply.h"

#include "cycle/LineFiles.h"
#include "cycle/Registry.h"
#include "cycle/RegistryServices.h"
#include "panels/wallpaper/WinIniWallpaper.h"

namespace {

#ifdef _WIN32
constexpr const char* winIniName = "\\win.ini";
#else
constexpr const char* winIniName = "/win.ini";
#endif

constexpr const char* desktopKey = "\\Control Panel\\Desktop";

RegistryStrings desktopValues(const std::string& path, const std::string& flag)
{
    RegistryStrings values;
    if (!path.empty())
        values.emplace_back("Wallpaper", path);
    if (flag == "t")
        values.emplace_back("TileWallpaper", "1");
    else if (flag == "f")
        values.emplace_back("TileWallpaper", "0");
    return values;
}

} // namespace

WallpaperApply::WallpaperApply(std::shared_ptr<Registry> registry, std::shared_ptr<LineFiles> files)
    : m_registry(std::move(registry))
    , m_files(std::move(files))
{
}

ApplyHooks WallpaperApply::hooks(std::shared_ptr<WallpaperApply> apply)
{
    ApplyHooks hooks;
    hooks.prepare = [apply] {
        apply->readWinIni();
        return true;
    };
    hooks.apply = [apply](const AppliedEntry& entry) { apply->writeWinIni(entry); };
    hooks.finish = [apply](const AppliedEntry& entry) { apply->setDesktopValues(entry); };
    return hooks;
}

void WallpaperApply::readWinIni()
{
    m_winIniPath = windowsDirectory(*m_registry) + winIniName;
    m_files->read(m_winIniPath, m_winIni);
}

void WallpaperApply::writeWinIni(const AppliedEntry& entry)
{
    m_files->edit(m_winIniPath, m_winIni, [&entry](LineList& image) {
        WinIniWallpaper lines(image);
        lines.setWallpaper(entry.path);
        lines.setTiling(entry.flag);
    });
}

void WallpaperApply::setDesktopValues(const AppliedEntry& entry)
{
    writeRegistryStrings(*m_registry, desktopKey, desktopValues(entry.path, entry.flag));
}

void WallpaperApply::applyGiven(const std::optional<std::string>& path, const std::optional<std::string>& flag)
{
    if (!path && !flag)
        return;
    readWinIni();
    m_files->edit(m_winIniPath, m_winIni, [&](LineList& image) {
        WinIniWallpaper lines(image);
        if (path)
            lines.setWallpaper(*path);
        if (flag)
            lines.setTiling(*flag);
    });
    writeRegistryStrings(*m_registry, desktopKey, desktopValues(path.value_or(""), flag.value_or("")));
}
