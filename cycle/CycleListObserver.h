#pragma once

#include <cstddef>

// Told about every change of a CycleList, before and after it, so that a view can follow
// row by row instead of rebuilding itself. Rows are 0-based, as the list control counts.
class CycleListObserver {
public:
    virtual ~CycleListObserver() = default;
    virtual void aboutToInsert(std::size_t first, std::size_t last) = 0;
    virtual void inserted() = 0;
    virtual void aboutToRemove(std::size_t row) = 0;
    virtual void removed() = 0;
    virtual void aboutToReplaceAll() = 0;
    virtual void replacedAll() = 0;
};
