#pragma once

#include "cycle/LineBlock.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CycleListObserver;

// The entries of one cycle list: full file paths in the user's order, duplicates allowed.
// Rows are 0-based here; the stored and shown positions are rows + 1.
class CycleList {
public:
    CycleList() = default;
    CycleList(const CycleList&) = delete;
    CycleList& operator=(const CycleList&) = delete;

    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    std::string_view at(std::size_t row) const { return m_entries.at(row); }
    const LineBlock& entries() const { return m_entries; }

    void append(const std::string& path);
    // Puts the paths, in the given order, in front of `row` (row == size() appends).
    void insertBlock(std::size_t row, const std::vector<std::string>& paths);
    void remove(std::size_t row);
    void replaceAll(LineBlock entries);

    // Views watch a list they may not change.
    void addObserver(CycleListObserver* observer) const;
    void removeObserver(CycleListObserver* observer) const;

private:
    template <typename Call> void tell(Call call);

    LineBlock m_entries;
    mutable std::vector<CycleListObserver*> m_observers;
};
