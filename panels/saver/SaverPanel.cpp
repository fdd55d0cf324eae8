#include "panels/saver/SaverPanel.h"

#include "cycle/LineFiles.h"
#include "cycle/System.h"
#include "panels/saver/SaverApply.h"
#include "panels/saver/SaverModule.h"

#include <utility>

SaverPanel::SaverPanel(std::string programDirectory, std::shared_ptr<Registry> registry, std::shared_ptr<System> system,
    std::shared_ptr<LineFiles> files, std::shared_ptr<RandomSource> random)
    : m_system(std::move(system))
{
    if (!files)
        files = std::make_shared<LineFiles>();
    auto apply = std::make_shared<SaverApply>(std::move(registry), files, m_system);
    m_cycle = std::make_unique<CycleModule>(
        saverModule(std::move(apply)), std::move(programDirectory), std::move(files), std::move(random));
}

std::vector<std::string> SaverPanel::load()
{
    return m_cycle->load();
}

void SaverPanel::select(Row row)
{
    if (row && *row >= list().size())
        row.reset();
    m_selected = row;
}

void SaverPanel::add(const FileNames& files)
{
    m_cycle->add(files);
}

void SaverPanel::insert(const FileNames& files)
{
    m_selected = m_cycle->insert(files, m_selected);
}

void SaverPanel::remove()
{
    // The entry goes before the next field is checked; should that check fail, the row must not
    // go on naming the entry that moved up into it.
    Row selected = std::exchange(m_selected, std::nullopt);
    m_selected = m_cycle->remove(selected);
}

void SaverPanel::chooseNext()
{
    m_cycle->chooseNext(m_selected);
}

void SaverPanel::preview()
{
    if (m_selected)
        m_system->shellExecute("open", std::string(list().at(*m_selected)));
}

void SaverPanel::options()
{
    if (m_selected)
        m_system->runProgram(std::string(list().at(*m_selected)));
}

void SaverPanel::save()
{
    m_cycle->save();
}
