#pragma once

#include <functional>
#include <memory>
#include <string>

class System;
class ThemePreview;
struct ThemeApplied;

// The one place that decides who carries out the theme verbs "Apply Settings" and "open". Where
// Windows has its Desktop Themes software, the platform's shell does both; elsewhere the program
// applies a theme itself into the stand-in machine, shows what one would change with `show` and
// hands what each applying came to to `applied`, if given. Any other verb or file goes to the
// platform.
std::shared_ptr<System> makeThemeShell(std::shared_ptr<System> platform, const std::string& programDirectory,
    std::function<void(const ThemePreview& theme)> show, std::function<void(const ThemeApplied& outcome)> applied = {});
