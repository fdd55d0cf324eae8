#pragma once

#include "cycle/LineList.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A desktop theme as its file holds it: INI text of "[section]" headers and "name=value" lines.
// Section and value names are matched without regard to ASCII letter case, blanks around names and
// values don't count, a value in double quotes loses them, and ";" starts a comment line. Where a
// section or a name appears twice, the first value found counts; lines before the first section
// and lines without "=" are ignored.
class ThemeFile {
public:
    using Values = std::vector<std::pair<std::string, std::string>>;

    ThemeFile() = default;
    explicit ThemeFile(const LineList& lines);

    std::optional<std::string> value(std::string_view section, std::string_view name) const;
    // Every value of the sections so named, each name once, in file order.
    const Values& values(std::string_view section) const;
    // The section names as first written, each once, in file order.
    const std::vector<std::string>& sectionNames() const { return m_order; }
    // The text of the first comment line before the first section, without its ";" and blanks.
    const std::optional<std::string>& firstComment() const { return m_firstComment; }

private:
    struct Section {
        Values values;
        std::map<std::string, std::size_t> byName; // folded name to index in values
    };
    Section& sectionNamed(std::string_view name);

    std::map<std::string, Section> m_sections; // by folded name
    std::vector<std::string> m_order;
    std::optional<std::string> m_firstComment;
};

// The text with the ASCII letters upper-cased, for comparing names.
std::string foldedName(std::string_view text);
