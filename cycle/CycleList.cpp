#include "cycle/CycleList.h"

#include "cycle/CycleListObserver.h"

#include <stdexcept>

template <typename Call> void CycleList::tell(Call call)
{
    for (CycleListObserver* observer : m_observers)
        call(*observer);
}

void CycleList::append(const std::string& path)
{
    insertBlock(m_entries.size(), { path });
}

void CycleList::insertBlock(std::size_t row, const std::vector<std::string>& paths)
{
    if (row > m_entries.size())
        throw std::out_of_range("CycleList::insertBlock");
    if (paths.empty())
        return;
    tell([&](CycleListObserver& o) { o.aboutToInsert(row, row + paths.size() - 1); });
    m_entries.insert(row, paths);
    tell([](CycleListObserver& o) { o.inserted(); });
}

void CycleList::remove(std::size_t row)
{
    if (row >= m_entries.size())
        throw std::out_of_range("CycleList::remove");
    tell([&](CycleListObserver& o) { o.aboutToRemove(row); });
    m_entries.erase(row);
    tell([](CycleListObserver& o) { o.removed(); });
}

void CycleList::replaceAll(LineBlock entries)
{
    tell([](CycleListObserver& o) { o.aboutToReplaceAll(); });
    m_entries = std::move(entries);
    tell([](CycleListObserver& o) { o.replacedAll(); });
}

void CycleList::addObserver(CycleListObserver* observer) const
{
    m_observers.push_back(observer);
}

void CycleList::removeObserver(CycleListObserver* observer) const
{
    std::erase(m_observers, observer);
}
