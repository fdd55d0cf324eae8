#include "panels/saver/Tsaverform.h"

#include "panels/saver/SaverModule.h"
#include "panels/saver/TsaverformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform3.h"
#include "shell/help/Tsaverhelp.h"

Tsaverform::Tsaverform(TWindowSet& windows)
    : TModulePanel(TsaverformGeometry, windows, saverModule(), { { "list", "enable", "ran", "next" } })
{
    onClick("BitBtn7", [this] { Button5Click(); });
    onClick("BitBtn8", [this] { Button6Click(); });
    onClick("BitBtn9", [this] { BitBtn9Click(); });
    onSystemClose([this] { BitBtn9Click(); });
}

void Tsaverform::Button5Click()
{
    windows_.cancelform3().showWindow();
}

void Tsaverform::Button6Click()
{
    windows_.saverhelp().showWindow();
}

void Tsaverform::BitBtn9Click()
{
    leave();
}
