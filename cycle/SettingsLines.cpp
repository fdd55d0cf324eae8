#include "cycle/SettingsLines.h"

LineList SettingsLines::lines() const
{
    LineList all = m_head;
    LineList flags = m_flags.lines();
    all.insert(all.end(), flags.begin(), flags.end());
    return all;
}

void SettingsLines::assign(const LineList& lines)
{
    assign(LineBlock(lines));
}

void SettingsLines::assign(LineBlock lines)
{
    std::size_t head = std::min(lines.size(), headCount());
    m_head.clear();
    for (std::size_t line = 0; line < head; ++line)
        m_head.emplace_back(lines.at(line));
    lines.erase(0, head);
    m_flags = std::move(lines);
}

LineBlock SettingsLines::block() const
{
    LineBlock all(m_head);
    all.insert(all.size(), m_flags);
    return all;
}

void SettingsLines::setAllFlags(std::string_view flag)
{
    std::size_t count = m_flags.size();
    m_flags.clear();
    m_flags.resize(count, flag);
}
