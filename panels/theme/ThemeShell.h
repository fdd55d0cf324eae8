#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class System;
struct ThemeSettings;

// The one place that decides who carries out the theme verbs "Apply Settings" and "open". Where
// Windows has its Desktop Themes software, the platform's shell does both; elsewhere the program
// applies a theme itself into the stand-in machine, shows what one would change with `show` and
// hands what failed in applying one to `failed`, if given. Any other verb or file goes to the
// platform.
std::shared_ptr<System> makeThemeShell(std::shared_ptr<System> platform, const std::string& programDirectory,
    std::function<void(const ThemeSettings& theme)> show,
    std::function<void(const std::vector<std::string>& messages)> failed = {});
