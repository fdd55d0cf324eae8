#pragma once

#include "cycle/CycleModule.h"
#include "cycle/ModuleParameters.h"

#include <memory>
#include <string>

class System;

// The shell verbs the theme panel hands its theme files to.
inline constexpr const char* themeApplyVerb = "Apply Settings";
inline constexpr const char* themeOpenVerb = "open";

// The theme list, "ambrel.dat" with "ambrel.cfg"; any chosen file is taken. Insert with no entry
// selected appends.
ModuleParameters themeModule();

// The same with the apply step: the shell is asked to carry out "Apply Settings" on the entry. The
// shell reports nothing back, so a theme that fails to apply still advances the position.
ModuleParameters themeModule(std::shared_ptr<System> shell);

// Theme Preview/Options: the shell opens the selected theme file; nothing without a selection.
void openSelectedTheme(System& shell, const CycleList& list, CycleModule::Row selected);
