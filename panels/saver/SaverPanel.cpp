#include "panels/saver/SaverPanel.h"

#include "cycle/LineFiles.h"
#include "cycle/System.h"
#include "panels/saver/SaverApply.h"
#include "panels/saver/SaverModule.h"

#include <utility>

namespace {

// The apply step edits system.ini through the same files as the lists.
std::shared_ptr<CycleModule> saverCycle(std::string programDirectory, std::shared_ptr<Registry> registry,
    std::shared_ptr<System> system, std::shared_ptr<LineFiles> files, std::shared_ptr<RandomSource> random)
{
    if (!files)
        files = std::make_shared<LineFiles>();
    auto apply = std::make_shared<SaverApply>(std::move(registry), files, std::move(system));
    return std::make_shared<CycleModule>(
        saverModule(std::move(apply)), std::move(programDirectory), std::move(files), std::move(random));
}

} // namespace

SaverPanel::SaverPanel(std::string programDirectory, std::shared_ptr<Registry> registry, std::shared_ptr<System> system,
    std::shared_ptr<LineFiles> files, std::shared_ptr<RandomSource> random)
    : CyclePanel(
        saverCycle(std::move(programDirectory), std::move(registry), system, std::move(files), std::move(random)))
    , m_system(std::move(system))
{
}

void SaverPanel::preview()
{
    if (selected())
        m_system->shellExecute("open", std::string(list().at(*selected())));
}

void SaverPanel::options()
{
    if (selected())
        m_system->runProgram(std::string(list().at(*selected())));
}
