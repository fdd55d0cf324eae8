#include "panels/theme/Tthemeform.h"

#include "panels/theme/ThemeModule.h"
#include "panels/theme/TthemeformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform5.h"
#include "shell/help/Tthemehelp.h"

Tthemeform::Tthemeform(TWindowSet& windows)
    : TModulePanel(TthemeformGeometry, windows, themeModule(), { { "list", "enable", "ran", "next" } })
{
    onClick("BitBtn5", [this] { BitBtn5Click(); });
    onClick("BitBtn6", [this] { BitBtn6Click(); });
    onClick("BitBtn8", [this] { BitBtn8Click(); });
    onSystemClose([this] { BitBtn8Click(); });
}

void Tthemeform::BitBtn5Click()
{
    windows_.cancelform5().showWindow();
}

void Tthemeform::BitBtn6Click()
{
    windows_.themehelp().showWindow();
}

void Tthemeform::BitBtn8Click()
{
    leave();
}
