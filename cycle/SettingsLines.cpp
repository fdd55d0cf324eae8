#include "cycle/SettingsLines.h"

#include <stdexcept>

void SettingsLines::setAllFlags(const std::string& flag)
{
    for (std::size_t line = firstFlagLine(); line < m_lines.size(); ++line)
        m_lines[line] = flag;
}

void SettingsLines::insertFlags(std::size_t row, std::size_t count, const std::string& flag)
{
    if (row > flagCount())
        throw std::out_of_range("SettingsLines::insertFlags");
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(firstFlagLine() + row), count, flag);
}

void SettingsLines::removeFlag(std::size_t row)
{
    if (row >= flagCount())
        throw std::out_of_range("SettingsLines::removeFlag");
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(firstFlagLine() + row));
}

void SettingsLines::fitFlags(std::size_t entries, const std::string& newFlag)
{
    if (flagCount() < entries)
        m_lines.resize(firstFlagLine() + entries, newFlag);
    else
        m_lines.resize(firstFlagLine() + entries);
}
