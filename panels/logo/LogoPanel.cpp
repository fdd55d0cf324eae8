#include "panels/logo/LogoPanel.h"

#include "panels/logo/LogoApply.h"
#include "panels/logo/LogoModule.h"

#include <utility>

LogoPanel::LogoPanel(std::string programDirectory, std::shared_ptr<Registry> registry, std::shared_ptr<System> system,
    std::shared_ptr<LineFiles> files, std::shared_ptr<RandomSource> random)
    : LogoPanel(std::make_shared<LogoApply>(std::move(registry), std::move(system)), std::move(programDirectory),
        std::move(files), std::move(random))
{
}

LogoPanel::LogoPanel(std::shared_ptr<LogoApply> apply, std::string programDirectory, std::shared_ptr<LineFiles> files,
    std::shared_ptr<RandomSource> random)
    : CyclePanel(std::make_shared<CycleModule>(
        logoModule(apply), std::move(programDirectory), std::move(files), std::move(random)))
    , m_apply(std::move(apply))
{
}

void LogoPanel::setRefusalNotice(std::function<void(const std::string&)> notice)
{
    module().setRejectionNotice(std::move(notice));
}

void LogoPanel::showEntry(std::size_t row)
{
    m_preview.show(std::string(list().at(row)));
}

bool LogoPanel::restore()
{
    return m_apply->restore();
}
