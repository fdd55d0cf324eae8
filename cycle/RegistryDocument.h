#pragma once

#include "cycle/Registry.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// A registry held as REGEDIT4 text. Every line is kept byte for byte, line ends included, so that
// setting one value changes that value's line and nothing else: comments, blank lines, the order
// of keys and values and the data of types this program never writes all survive.
class RegistryDocument {
public:
    // Throws Exception naming `sourceName` and the line number at the first line that doesn't parse.
    RegistryDocument(std::string_view text, std::string_view sourceName);

    // A key exists when a section names it or one of its subkeys; a root always exists.
    bool hasKey(RegistryRoot root, std::string_view path) const;

    // Where a key's values appear in several sections, the last one counts, as on import.
    RegistryValue value(RegistryRoot root, std::string_view path, std::string_view name) const;

    // Replaces the value's data where it stands, or adds the value at the end of the key's last
    // section (a section is added for a key that only exists through its subkeys). False, with
    // nothing changed, for a name or text holding a line end, which REGEDIT4 text cannot carry.
    bool setString(RegistryRoot root, std::string_view path, std::string_view name, std::string_view text);

    std::string text() const;

private:
    struct Line {
        std::string raw; // the line or lines as read, line ends included
        bool isValue = false;
        std::string name; // values only, as written
        std::string foldedName; // values only
        RegistryValue value; // values only

        static Line plain(std::string raw)
        {
            Line line;
            line.raw = std::move(raw);
            return line;
        }
    };
    struct Section {
        std::vector<Line> lines; // the header first
    };

    static std::string keyName(RegistryRoot root, std::string_view path);
    void addSection(Line header, const std::string& foldedKey);
    Line* findValue(const std::string& foldedKey, const std::string& foldedName);
    const Line* findValue(const std::string& foldedKey, const std::string& foldedName) const;
    void ensureEndsLine(std::string& raw) const;

    std::vector<Line> m_preamble;
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::vector<std::size_t>> m_sectionsOfKey;
    std::unordered_set<std::string> m_existingKeys;
    std::string m_lineEnd = "\r\n";
};
