#include "panels/saver/SaverApply.h"

#include "cycle/AsciiCase.h"
#include "cycle/LineFiles.h"
#include "cycle/Registry.h"
#include "cycle/RegistryServices.h"
#include "cycle/System.h"
#include "panels/saver/SystemIniScreenSaver.h"

namespace {

#ifdef _WIN32
constexpr const char* systemIniName = "\\system.ini";
constexpr const char* separators = "\\:";
#else
constexpr const char* systemIniName = "/system.ini";
// Lists copied from a Windows machine keep their "\" and drive colons.
constexpr const char* separators = "\\:/";
#endif

constexpr const char* desktopKey = "\\Control Panel\\Desktop";

} // namespace

SaverApply::SaverApply(
    std::shared_ptr<Registry> registry, std::shared_ptr<LineFiles> files, std::shared_ptr<System> system)
    : m_registry(std::move(registry))
    , m_files(std::move(files))
    , m_system(std::move(system))
{
}

ApplyHooks SaverApply::hooks(std::shared_ptr<SaverApply> apply)
{
    ApplyHooks hooks;
    hooks.prepare = [apply] {
        apply->readSystemIni();
        return true;
    };
    hooks.apply = [apply](const AppliedEntry& entry) { apply->writeSystemIni(entry.path); };
    return hooks;
}

SaverApply::Outcome SaverApply::apply(const std::string& entryPath)
{
    readSystemIni();
    return writeSystemIni(entryPath);
}

void SaverApply::readSystemIni()
{
    m_systemIniPath = windowsDirectory(*m_registry) + systemIniName;
    m_files->read(m_systemIniPath, m_systemIni);
}

// A screen-saver line that has to be added switches the screen saver on first, before the line is
// put in and system.ini written: a file that can't take the line leaves it switched on.
SaverApply::Outcome SaverApply::writeSystemIni(const std::string& entryPath)
{
    Outcome outcome = Outcome::NotAScreenSaver;
    const bool saver = isScreenSaver(entryPath);
    const std::string path = saver ? m_system->shortPath(entryPath) : std::string();
    if (saver && !SystemIniScreenSaver(m_systemIni).hasSaverLine())
        writeRegistryStrings(*m_registry, desktopKey, { { "ScreenSaveActive", "1" } });
    m_files->edit(m_systemIniPath, m_systemIni, [&](LineList& image) {
        if (saver)
            outcome = SystemIniScreenSaver(image).setSaver(path) ? Outcome::Added : Outcome::Replaced;
    });
    return outcome;
}

bool SaverApply::isScreenSaver(std::string_view path)
{
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    std::size_t separator = path.find_last_of(separators);
    if (separator != std::string_view::npos && separator > dot)
        return false;
    return upperAscii(path.substr(dot)) == ".SCR";
}
