#pragma once

#include "cycle/System.h"

#include <functional>
#include <memory>
#include <string>

class ThemeApplier;
class ThemePreview;
struct ThemeApplied;

// The shell where no theme software exists: it carries out "Apply Settings" on a theme file
// itself, at once, and "open" on one shows what the theme would change with `show` (without one,
// the platform opens it). A theme that can't be read shows nothing, and "Apply Settings" on any
// other file does nothing, as a shell that knows no such verb for it. Everything else goes to the
// platform. What each "Apply Settings" came to goes to `applied` when one is given; the panel,
// like the shell it stands in for, gives none.
class BuiltInThemeShell : public System {
public:
    using Show = std::function<void(const ThemePreview& theme)>;
    using Applied = std::function<void(const ThemeApplied& outcome)>;

    BuiltInThemeShell(
        std::shared_ptr<System> platform, std::shared_ptr<ThemeApplier> applier, Show show, Applied applied = {});

    std::string programDirectory() override { return m_platform->programDirectory(); }
    std::string shortPath(const std::string& path) override { return m_platform->shortPath(path); }
    void setFileAttributes(const std::string& path, FileAttributes attributes) override
    {
        m_platform->setFileAttributes(path, attributes);
    }
    void deleteFile(const std::string& path) override { m_platform->deleteFile(path); }
    void shellExecute(const std::string& verb, const std::string& target) override;
    void runProgram(const std::string& commandLine) override { m_platform->runProgram(commandLine); }

    // A name ending in ".theme", in any letter case.
    static bool isThemeFile(const std::string& path);

private:
    std::shared_ptr<System> m_platform;
    std::shared_ptr<ThemeApplier> m_applier;
    Show m_show;
    Applied m_applied;
};
