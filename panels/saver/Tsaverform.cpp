#include "panels/saver/Tsaverform.h"

#include "panels/saver/TsaverformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform3.h"
#include "shell/help/Tsaverhelp.h"

Tsaverform::Tsaverform(TWindowSet& windows)
    : TSkinnedForm(TsaverformGeometry)
    , windows_(windows)
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

// Leaves without saving and without asking; the edits stay in memory.
void Tsaverform::BitBtn9Click()
{
    windows_.returnToControlCenter(*this);
}
