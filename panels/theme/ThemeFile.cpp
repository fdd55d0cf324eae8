#include "panels/theme/ThemeFile.h"

#include "cycle/AsciiCase.h"

namespace {

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string_view unquoted(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

const ThemeFile::Values noValues;

} // namespace

std::string foldedName(std::string_view text)
{
    return upperAscii(text);
}

ThemeFile::ThemeFile(const LineList& lines)
{
    Section* current = nullptr;
    bool inSections = false;
    for (const std::string& line : lines) {
        std::string_view text = trimmed(line);
        if (text.empty())
            continue;
        if (text.front() == ';') {
            if (!inSections && !m_firstComment)
                m_firstComment = trimmed(text.substr(1));
            continue;
        }
        if (text.front() == '[') {
            std::size_t close = text.find(']');
            current = close == std::string_view::npos ? nullptr : &sectionNamed(trimmed(text.substr(1, close - 1)));
            inSections = true;
            continue;
        }
        std::size_t equals = text.find('=');
        if (!current || equals == std::string_view::npos)
            continue;
        std::string_view name = trimmed(text.substr(0, equals));
        if (name.empty())
            continue;
        if (current->byName.emplace(foldedName(name), current->values.size()).second)
            current->values.emplace_back(name, unquoted(trimmed(text.substr(equals + 1))));
    }
}

ThemeFile::Section& ThemeFile::sectionNamed(std::string_view name)
{
    auto [section, added] = m_sections.try_emplace(foldedName(name));
    if (added)
        m_order.emplace_back(name);
    return section->second;
}

std::optional<std::string> ThemeFile::value(std::string_view section, std::string_view name) const
{
    auto found = m_sections.find(foldedName(section));
    if (found == m_sections.end())
        return std::nullopt;
    auto index = found->second.byName.find(foldedName(name));
    if (index == found->second.byName.end())
        return std::nullopt;
    return found->second.values[index->second].second;
}

const ThemeFile::Values& ThemeFile::values(std::string_view section) const
{
    auto found = m_sections.find(foldedName(section));
    return found == m_sections.end() ? noValues : found->second.values;
}
