#include "cycle/RegistryDocument.h"

#include "cycle/Exception.h"
#include "cycle/RegistryText.h"

#include <array>
#include <utility>

namespace {

struct PhysicalLine {
    std::string_view text;
    std::string_view end;
};

std::vector<PhysicalLine> physicalLines(std::string_view text)
{
    std::vector<PhysicalLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t at = text.find_first_of("\r\n", start);
        if (at == std::string_view::npos) {
            lines.push_back({ text.substr(start), {} });
            break;
        }
        std::size_t endLength = text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({ text.substr(start, at - start), text.substr(at, endLength) });
        start = at + endLength;
    }
    return lines;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string_view withoutSeparators(std::string_view path)
{
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return path;
}

constexpr std::array<std::string_view, 6> rootNames { "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT",
    "HKEY_USERS", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA" };

bool isRootName(std::string_view name)
{
    for (auto root : rootNames) {
        if (RegistryText::folded(root) == RegistryText::folded(name))
            return true;
    }
    return false;
}

std::string_view lineEndOf(std::string_view raw)
{
    if (raw.ends_with("\r\n"))
        return "\r\n";
    if (raw.ends_with('\n') || raw.ends_with('\r'))
        return raw.substr(raw.size() - 1);
    return {};
}

bool isBlankLine(std::string_view raw)
{
    raw.remove_suffix(lineEndOf(raw).size());
    return trimmed(raw).empty();
}

bool canCarry(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) == text.npos;
}

class Damage {
public:
    explicit Damage(std::string_view sourceName)
        : m_sourceName(sourceName)
    {
    }
    [[noreturn]] void at(std::size_t index, std::string_view what) const
    {
        throw Exception(formatMessage("The registry store %s is damaged", m_sourceName) + ": line "
            + std::to_string(index + 1) + " holds " + std::string(what));
    }

private:
    std::string_view m_sourceName;
};

} // namespace

RegistryDocument::RegistryDocument(std::string_view text, std::string_view sourceName)
{
    const Damage damage(sourceName);
    const auto lines = physicalLines(text);
    if (lines.empty() || trimmed(lines[0].text) != "REGEDIT4")
        damage.at(0, "no \"REGEDIT4\" header");
    if (!lines[0].end.empty())
        m_lineEnd = lines[0].end;
    m_preamble.push_back(Line::plain(std::string(lines[0].text) + std::string(lines[0].end)));

    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string raw = std::string(lines[i].text) + std::string(lines[i].end);
        std::string_view line = trimmed(lines[i].text);
        std::vector<Line>& current = m_sections.empty() ? m_preamble : m_sections.back().lines;
        if (line.empty() || line.front() == ';') {
            current.push_back(Line::plain(std::move(raw)));
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']')
                damage.at(i, "a key name without its closing \"]\"");
            std::string_view key = withoutSeparators(line.substr(1, line.size() - 2));
            if (key.starts_with('-'))
                damage.at(i, "a key deletion, which a stored registry cannot hold");
            if (!isRootName(key.substr(0, key.find('\\'))))
                damage.at(i, "a key outside the known root keys");
            addSection(Line::plain(std::move(raw)), RegistryText::folded(key));
            continue;
        }
        if (line.front() != '"' && line.front() != '@')
            damage.at(i, "text that is neither a key, a value nor a comment");
        if (m_sections.empty())
            damage.at(i, "a value before the first key");

        const std::size_t first = i;
        std::string name;
        if (line.front() == '@') {
            line.remove_prefix(1);
        } else if (auto quotedName = RegistryText::takeQuoted(line)) {
            name = std::move(*quotedName);
        } else {
            damage.at(i, "a value name without its closing quote");
        }
        line = trimmed(line);
        if (line.empty() || line.front() != '=')
            damage.at(i, "a value name without \"=\"");
        std::string data(trimmed(line.substr(1)));
        // Binary data may run on over lines that each end in "\".
        const bool isHex = RegistryText::folded(data).starts_with("hex");
        while (isHex && !data.empty() && data.back() == '\\') {
            data.pop_back();
            if (++i == lines.size())
                damage.at(first, "binary data continued past the end of the file");
            data += trimmed(lines[i].text);
            raw += std::string(lines[i].text) + std::string(lines[i].end);
        }
        auto value = RegistryText::parseData(data);
        if (!value)
            damage.at(first, data == "-" ? "a value deletion, which a stored registry cannot hold" : "unreadable data");
        std::string foldedName = RegistryText::folded(name);
        m_sections.back().lines.push_back({ std::move(raw), true, std::move(name), std::move(foldedName), *value });
    }
}

std::string RegistryDocument::keyName(RegistryRoot root, std::string_view path)
{
    std::string name(root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER");
    path = withoutSeparators(path);
    if (!path.empty())
        name += "\\" + std::string(path);
    return name;
}

void RegistryDocument::addSection(Line header, const std::string& foldedKey)
{
    m_sections.push_back({ { std::move(header) } });
    m_sectionsOfKey[foldedKey].push_back(m_sections.size() - 1);
    for (std::size_t at = foldedKey.size(); at != std::string::npos; at = foldedKey.rfind('\\', at - 1)) {
        if (!m_existingKeys.insert(foldedKey.substr(0, at)).second || at == 0)
            break;
    }
}

bool RegistryDocument::hasKey(RegistryRoot root, std::string_view path) const
{
    return withoutSeparators(path).empty() || m_existingKeys.contains(RegistryText::folded(keyName(root, path)));
}

const RegistryDocument::Line* RegistryDocument::findValue(
    const std::string& foldedKey, const std::string& foldedName) const
{
    auto sections = m_sectionsOfKey.find(foldedKey);
    if (sections == m_sectionsOfKey.end())
        return nullptr;
    for (auto index = sections->second.rbegin(); index != sections->second.rend(); ++index) {
        const auto& lines = m_sections[*index].lines;
        for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
            if (line->isValue && line->foldedName == foldedName)
                return &*line;
        }
    }
    return nullptr;
}

RegistryDocument::Line* RegistryDocument::findValue(const std::string& foldedKey, const std::string& foldedName)
{
    return const_cast<Line*>(std::as_const(*this).findValue(foldedKey, foldedName));
}

RegistryValue RegistryDocument::value(RegistryRoot root, std::string_view path, std::string_view name) const
{
    const Line* line = findValue(RegistryText::folded(keyName(root, path)), RegistryText::folded(name));
    return line ? line->value : RegistryValue {};
}

void RegistryDocument::ensureEndsLine(std::string& raw) const
{
    if (lineEndOf(raw).empty())
        raw += m_lineEnd;
}

bool RegistryDocument::setString(RegistryRoot root, std::string_view path, std::string_view name, std::string_view text)
{
    if (!canCarry(name) || !canCarry(text))
        return false;
    const std::string key = keyName(root, path);
    const std::string foldedKey = RegistryText::folded(key);
    std::string foldedName = RegistryText::folded(name);
    const RegistryValue value { RegistryValue::Kind::String, std::string(text) };

    if (Line* line = findValue(foldedKey, foldedName)) {
        // The name keeps the spelling it has in the store.
        line->raw = RegistryText::stringValueLine(line->name, text) + std::string(lineEndOf(line->raw));
        line->value = value;
        return true;
    }

    Line added { RegistryText::stringValueLine(name, text) + m_lineEnd, true, std::string(name), std::move(foldedName),
        value };
    if (auto sections = m_sectionsOfKey.find(foldedKey); sections != m_sectionsOfKey.end()) {
        auto& lines = m_sections[sections->second.back()].lines;
        std::size_t after = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].isValue)
                after = i;
        }
        ensureEndsLine(lines[after].raw);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after + 1), std::move(added));
        return true;
    }

    std::vector<Line>& last = m_sections.empty() ? m_preamble : m_sections.back().lines;
    ensureEndsLine(last.back().raw);
    if (!isBlankLine(last.back().raw))
        last.push_back(Line::plain(m_lineEnd));
    addSection(Line::plain("[" + key + "]" + m_lineEnd), foldedKey);
    m_sections.back().lines.push_back(std::move(added));
    return true;
}

std::string RegistryDocument::text() const
{
    std::string result;
    for (const auto& line : m_preamble)
        result += line.raw;
    for (const auto& section : m_sections) {
        for (const auto& line : section.lines)
            result += line.raw;
    }
    return result;
}
