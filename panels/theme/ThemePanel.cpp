#include "panels/theme/ThemePanel.h"

#include "panels/theme/ThemeModule.h"

#include <utility>

ThemePanel::ThemePanel(std::string programDirectory, std::shared_ptr<System> shell, std::shared_ptr<LineFiles> files,
    std::shared_ptr<RandomSource> random)
    : CyclePanel(std::make_shared<CycleModule>(
        themeModule(shell), std::move(programDirectory), std::move(files), std::move(random)))
    , m_shell(std::move(shell))
{
}

void ThemePanel::open()
{
    openSelectedTheme(*m_shell, list(), selected());
}
