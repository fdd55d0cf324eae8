#pragma once

#include "cycle/LineBlock.h"
#include "cycle/LineList.h"

#include <cstddef>
#include <string>
#include <string_view>

// A module's settings file in memory: for each of its lists a switch code line and a next-position
// line, and after them, for a module that keeps one, a flag line per entry of its (single) list.
// The flag lines are as many as the list's entries, so they are held as one block.
class SettingsLines {
public:
    explicit SettingsLines(std::size_t listCount)
        : m_listCount(listCount)
    {
    }

    // A copy of every line, the flag lines included.
    LineList lines() const;
    std::size_t lineCount() const { return m_head.size() + m_flags.size(); }
    void assign(const LineList& lines);
    void assign(LineBlock lines);
    // Every line, as the settings file holds them.
    LineBlock block() const;

    const std::string& switchCode(std::size_t list) const { return m_head.at(2 * list); }
    void setSwitchCode(std::size_t list, std::string code) { m_head.at(2 * list) = std::move(code); }
    const std::string& next(std::size_t list) const { return m_head.at(2 * list + 1); }
    void setNext(std::size_t list, std::string text) { m_head.at(2 * list + 1) = std::move(text); }

    std::size_t flagCount() const { return m_flags.size(); }
    std::string_view flag(std::size_t row) const { return m_flags.at(row); }
    void setFlag(std::size_t row, std::string_view flag) { m_flags.replace(row, flag); }
    void setAllFlags(std::string_view flag);
    void insertFlags(std::size_t row, std::size_t count, std::string_view flag) { m_flags.insert(row, count, flag); }
    void removeFlag(std::size_t row) { m_flags.erase(row); }
    // Appends or drops flag lines at the end until there is one per entry.
    void fitFlags(std::size_t entries, std::string_view newFlag) { m_flags.resize(entries, newFlag); }

private:
    std::size_t headCount() const { return 2 * m_listCount; }

    std::size_t m_listCount;
    LineList m_head; // the switch code and next lines; the flags follow only once it is complete
    LineBlock m_flags;
};
