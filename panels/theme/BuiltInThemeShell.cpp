#include "panels/theme/BuiltInThemeShell.h"

#include "panels/theme/ThemeApplier.h"
#include "panels/theme/ThemeFile.h"
#include "panels/theme/ThemeModule.h"
#include "panels/theme/ThemePreview.h"

#include <optional>

BuiltInThemeShell::BuiltInThemeShell(
    std::shared_ptr<System> platform, std::shared_ptr<ThemeApplier> applier, Show show, Applied applied)
    : m_platform(std::move(platform))
    , m_applier(std::move(applier))
    , m_show(std::move(show))
    , m_applied(std::move(applied))
{
}

bool BuiltInThemeShell::isThemeFile(const std::string& path)
{
    std::size_t nameStart = path.find_last_of("/\\:");
    std::string name = foldedName(nameStart == std::string::npos ? path : path.substr(nameStart + 1));
    return name.size() > 6 && name.ends_with(".THEME");
}

// Like the shell's, these verbs return nothing: the caller goes on whatever happened.
void BuiltInThemeShell::shellExecute(const std::string& verb, const std::string& target)
{
    bool theme = isThemeFile(target);
    if (verb == themeApplyVerb) {
        if (!theme)
            return;
        ThemeApplied outcome = m_applier->apply(target);
        if (m_applied)
            m_applied(outcome);
    } else if (verb == themeOpenVerb && theme && m_show) {
        std::optional<ThemePreview> preview;
        try {
            preview = m_applier->preview(target);
        } catch (const std::exception&) {
        }
        if (preview)
            m_show(*preview);
    } else {
        m_platform->shellExecute(verb, target);
    }
}
