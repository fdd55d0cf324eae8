#include "win32ui/panels/theme/Tthemeform.h"

#include "panels/theme/ThemeShell.h"
#include "panels/theme/TthemeformGeometry.h"
#include "panels/theme/TthemeformWiring.h"
#include "win32ui/TWindowSet.h"

using namespace TthemeformWiring;

Tthemeform::Tthemeform(TWindowSet& windows, HWND owner)
    : TCyclePanel(TthemeformGeometry, windows, owner, verbs)
    , panel_(std::make_unique<ThemePanel>(
          windows.programDirectory(), makeThemeShell(windowsSystem(), windows.programDirectory(), {})))
{
    showPanel(*panel_, list, edits);
    onClick(TthemeformWiring::open, [this] { panel_->open(); });
}

Tthemeform::~Tthemeform() = default;
