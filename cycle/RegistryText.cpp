#include "cycle/RegistryText.h"

#include <cctype>
#include <vector>

namespace RegistryText {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isHexDigits(std::string_view text, std::size_t maxLength)
{
    if (text.empty() || text.size() > maxLength)
        return false;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

std::optional<std::vector<unsigned char>> parseBytes(std::string_view list)
{
    std::vector<unsigned char> bytes;
    list = trimmed(list);
    if (list.empty())
        return bytes;
    for (;;) {
        auto comma = list.find(',');
        std::string_view byte = trimmed(list.substr(0, comma));
        if (comma == std::string_view::npos && byte.empty())
            return bytes; // a trailing comma before the end
        if (!isHexDigits(byte, 2))
            return std::nullopt;
        bytes.push_back(static_cast<unsigned char>(std::stoul(std::string(byte), nullptr, 16)));
        if (comma == std::string_view::npos)
            return bytes;
        list.remove_prefix(comma + 1);
    }
}

// Windows 9x stores REG_SZ and REG_EXPAND_SZ as 8-bit text ending in a NUL.
std::string textOf(const std::vector<unsigned char>& bytes)
{
    std::string text(bytes.begin(), bytes.end());
    if (auto nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    return text;
}

std::optional<RegistryValue> parseHex(std::string_view data)
{
    // hex:..., or hex(N):... with the type number N in hexadecimal
    int type = 3;
    data.remove_prefix(3);
    if (!data.empty() && data.front() == '(') {
        auto close = data.find(')');
        if (close == std::string_view::npos || !isHexDigits(data.substr(1, close - 1), 8))
            return std::nullopt;
        type = static_cast<int>(std::stoul(std::string(data.substr(1, close - 1)), nullptr, 16));
        data.remove_prefix(close + 1);
    }
    if (data.empty() || data.front() != ':')
        return std::nullopt;
    auto bytes = parseBytes(data.substr(1));
    if (!bytes)
        return std::nullopt;
    if (type == 1)
        return RegistryValue { RegistryValue::Kind::String, textOf(*bytes) };
    if (type == 2)
        return RegistryValue { RegistryValue::Kind::ExpandableString, textOf(*bytes) };
    return RegistryValue { RegistryValue::Kind::OtherType, std::string(data.substr(1)) };
}

} // namespace

std::string folded(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

std::string quoted(std::string_view text)
{
    std::string result = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            result += '\\';
        result += c;
    }
    result += '"';
    return result;
}

std::optional<std::string> takeQuoted(std::string_view& text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string content;
    for (std::size_t at = 1; at < text.size(); ++at) {
        char c = text[at];
        if (c == '"') {
            text.remove_prefix(at + 1);
            return content;
        }
        // Only "\\" and "\"" are escapes; any other backslash stands for itself.
        if (c == '\\' && at + 1 < text.size() && (text[at + 1] == '\\' || text[at + 1] == '"'))
            c = text[++at];
        content += c;
    }
    return std::nullopt;
}

std::optional<RegistryValue> parseData(std::string_view data)
{
    data = trimmed(data);
    if (!data.empty() && data.front() == '"') {
        auto text = takeQuoted(data);
        if (!text || !trimmed(data).empty())
            return std::nullopt;
        return RegistryValue { RegistryValue::Kind::String, *text };
    }
    std::string lower = folded(data.substr(0, 6));
    if (lower == "dword:") {
        if (!isHexDigits(trimmed(data.substr(6)), 8))
            return std::nullopt;
        return RegistryValue { RegistryValue::Kind::OtherType, std::string(data) };
    }
    if (lower.starts_with("hex"))
        return parseHex(data);
    return std::nullopt;
}

std::string stringValueLine(std::string_view name, std::string_view text)
{
    return (name.empty() ? std::string("@") : quoted(name)) + "=" + quoted(text);
}

} // namespace RegistryText
