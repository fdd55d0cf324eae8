#pragma once

#include "cycle/LineList.h"

#include <cstddef>
#include <string>

// A module's settings file in memory: for each of its lists a switch code line and a next-position
// line, and after them, for a module that keeps one, a flag line per entry of its (single) list.
class SettingsLines {
public:
    explicit SettingsLines(std::size_t listCount)
        : m_listCount(listCount)
    {
    }

    const LineList& lines() const { return m_lines; }
    LineList& lines() { return m_lines; }

    const std::string& switchCode(std::size_t list) const { return m_lines.at(2 * list); }
    void setSwitchCode(std::size_t list, std::string code) { m_lines.at(2 * list) = std::move(code); }
    const std::string& next(std::size_t list) const { return m_lines.at(2 * list + 1); }
    void setNext(std::size_t list, std::string text) { m_lines.at(2 * list + 1) = std::move(text); }

    std::size_t flagCount() const { return m_lines.size() > firstFlagLine() ? m_lines.size() - firstFlagLine() : 0; }
    const std::string& flag(std::size_t row) const { return m_lines.at(firstFlagLine() + row); }
    void setFlag(std::size_t row, std::string flag) { m_lines.at(firstFlagLine() + row) = std::move(flag); }
    void setAllFlags(const std::string& flag);
    void insertFlags(std::size_t row, std::size_t count, const std::string& flag);
    void removeFlag(std::size_t row);
    // Appends or drops flag lines at the end until there is one per entry.
    void fitFlags(std::size_t entries, const std::string& newFlag);

private:
    std::size_t firstFlagLine() const { return 2 * m_listCount; }

    std::size_t m_listCount;
    LineList m_lines;
};
