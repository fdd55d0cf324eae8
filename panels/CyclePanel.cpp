#include "panels/CyclePanel.h"

#include <utility>

CyclePanel::CyclePanel(std::shared_ptr<CycleModule> cycle)
    : m_cycle(std::move(cycle))
{
    m_cycle->list().addObserver(this);
}

CyclePanel::~CyclePanel()
{
    m_cycle->list().removeObserver(this);
}

void CyclePanel::select(Row row)
{
    if (row && *row >= list().size())
        row.reset();
    m_selected = row;
    if (row)
        showEntry(*row);
}

void CyclePanel::add(const FileNames& files)
{
    m_cycle->add(files);
}

void CyclePanel::insert(const FileNames& files)
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

void CyclePanel::remove()
{
    // The entry goes before the next field is checked; should that check fail, the row must not
    // go on naming the entry that moved up into it.
    Row selected = std::exchange(m_selected, std::nullopt);
    std::size_t before = list().size();
    m_selected = m_cycle->remove(selected);
    if (list().size() == before)
        return;
    // Cleared first, so that an entry that can't be shown leaves no trace of the removed one.
    showNoEntry();
    if (m_selected)
        showEntry(*m_selected);
}

void CyclePanel::chooseNext()
{
    m_cycle->chooseNext(m_selected);
}

void CyclePanel::save()
{
    m_cycle->save();
}
