#include "panels/theme/ThemeText.h"

#include "cycle/Exception.h"
#include "cycle/FileBytes.h"
#include "cycle/LineSplitter.h"

#include <string_view>

namespace {

void appendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xc0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xe0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        text += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        text += static_cast<char>(0xf0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        text += static_cast<char>(0x80 | (c & 0x3f));
    }
}

// A surrogate without its partner becomes U+FFFD; an odd last byte is dropped.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    auto unit = [&](std::size_t at) -> char32_t {
        auto first = static_cast<unsigned char>(bytes[at]), second = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string text;
    text.reserve(bytes.size() / 2);
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        char32_t c = unit(2 * i);
        if (c >= 0xd800 && c < 0xdc00 && i + 1 < units) {
            char32_t low = unit(2 * (i + 1));
            if (low >= 0xdc00 && low < 0xe000) {
                appendUtf8(text, 0x10000 + ((c - 0xd800) << 10) + (low - 0xdc00));
                ++i;
                continue;
            }
        }
        appendUtf8(text, c >= 0xd800 && c < 0xe000 ? 0xfffd : c);
    }
    return text;
}

} // namespace

LineList themeLines(const std::string& bytes)
{
    std::string_view text(bytes);
    std::string decoded;
    if (text.starts_with("\xff\xfe") || text.starts_with("\xfe\xff")) {
        decoded = utf16ToUtf8(text.substr(2), text[0] == '\xfe');
        text = decoded;
    } else if (text.starts_with("\xef\xbb\xbf")) {
        text.remove_prefix(3);
    }
    LineSplitter splitter;
    splitter.feed(text);
    return splitter.finish();
}

LineList readThemeFile(const std::string& path)
{
    std::string bytes;
    if (!readFileBytes(path, bytes))
        throw Exception(formatMessage("Cannot open file %s", path));
    return themeLines(bytes);
}
