#include "panels/logo/LogoPanel.h"

#include "panels/logo/LogoApply.h"
#include "panels/logo/LogoModule.h"

#include <utility>

LogoPanel::LogoPanel(std::string programDirectory, std::shared_ptr<Registry> registry, std::shared_ptr<System> system,
    std::shared_ptr<LineFiles> files, std::shared_ptr<RandomSource> random)
    : m_apply(std::make_shared<LogoApply>(std::move(registry), std::move(system)))
    , m_cycle(std::make_unique<CycleModule>(
          logoModule(m_apply), std::move(programDirectory), std::move(files), std::move(random)))
{
}

std::vector<std::string> LogoPanel::load()
{
    m_selected.reset();
    return m_cycle->load();
}

void LogoPanel::setRefusalNotice(std::function<void(const std::string&)> notice)
{
    m_cycle->setRejectionNotice(std::move(notice));
}

void LogoPanel::select(Row row)
{
    if (row && *row >= list().size())
        row.reset();
    m_selected = row;
    if (row)
        m_preview.show(std::string(list().at(*row)));
}

void LogoPanel::add(const FileNames& files)
{
    m_cycle->add(files);
}

void LogoPanel::insert(const FileNames& files)
{
    // A refused or unreadable file ends the choice with the files before it in place, the selected
    // entry moved down past them.
    std::size_t before = list().size();
    try {
        m_selected = m_cycle->insert(files, m_selected);
    } catch (...) {
        if (m_selected)
            *m_selected += list().size() - before;
        throw;
    }
}

void LogoPanel::remove()
{
    // The entry goes before the next field is checked; should that check fail, the row must not
    // go on naming the entry that moved up into it.
    Row selected = std::exchange(m_selected, std::nullopt);
    m_selected = m_cycle->remove(selected);
}

void LogoPanel::chooseNext()
{
    m_cycle->chooseNext(m_selected);
}

void LogoPanel::save()
{
    m_cycle->save();
}

bool LogoPanel::restore()
{
    return m_apply->restore();
}
