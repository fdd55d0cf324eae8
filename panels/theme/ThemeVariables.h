#pragma once

#include <string>
#include <string_view>

// The variables theme files use in their paths, in any letter case: %WinDir% and %SystemRoot%
// (the Windows directory) and %ThemeDir% (the theme file's folder), each with its trailing
// separator, as the Desktop Themes software expands them; a separator written after one is not
// doubled. Other %NAMES% stay as written. Where the separator is "/", the Windows separators in
// the rest of a path built on a variable become "/" too, so that "%ThemeDir%Sounds\Start.wav"
// names a file beside the theme.
class ThemeVariables {
public:
    ThemeVariables(const std::string& windowsDirectory, const std::string& themePath);

    std::string expand(std::string_view text) const;

private:
    const std::string* valueOf(std::string_view name) const;

    std::string m_windowsDirectory;
    std::string m_themeDirectory;
};
