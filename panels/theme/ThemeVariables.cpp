#include "panels/theme/ThemeVariables.h"

#include "panels/theme/ThemeFile.h"

#include <algorithm>

namespace {

#ifdef _WIN32
constexpr char separator = '\\';
#else
constexpr char separator = '/';
#endif

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

ThemeVariables::ThemeVariables(const std::string& windowsDirectory, const std::string& themePath)
{
    if (!windowsDirectory.empty())
        m_windowsDirectory = isSeparator(windowsDirectory.back()) ? windowsDirectory : windowsDirectory + separator;
    std::size_t folderEnd = themePath.find_last_of("/\\:");
    if (folderEnd != std::string::npos)
        m_themeDirectory = themePath.substr(0, folderEnd + 1);
}

const std::string* ThemeVariables::valueOf(std::string_view name) const
{
    std::string folded = foldedName(name);
    if (folded == "WINDIR" || folded == "SYSTEMROOT")
        return &m_windowsDirectory;
    if (folded == "THEMEDIR")
        return &m_themeDirectory;
    return nullptr;
}

std::string ThemeVariables::expand(std::string_view text) const
{
    std::string result;
    bool onVariable = false;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t open = text.find('%', at);
        std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        const std::string* value
            = close == std::string_view::npos ? nullptr : valueOf(text.substr(open + 1, close - open - 1));
        std::size_t literalEnd = value ? open : (close == std::string_view::npos ? text.size() : close);
        std::string literal(text.substr(at, literalEnd - at));
        if (onVariable && separator == '/')
            std::replace(literal.begin(), literal.end(), '\\', '/');
        result += literal;
        if (!value) {
            at = literalEnd;
            continue;
        }
        result += *value;
        onVariable = true;
        at = close + 1;
        // "%WinDir%\\x" is as common as "%WinDir%x": the value brings its own separator.
        while (!value->empty() && isSeparator(value->back()) && at < text.size() && isSeparator(text[at]))
            ++at;
    }
    return result;
}
