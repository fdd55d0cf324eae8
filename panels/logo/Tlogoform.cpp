#include "panels/logo/Tlogoform.h"

#include "panels/logo/LogoModule.h"
#include "panels/logo/TlogoformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform4.h"
#include "shell/help/Tbriskohelp.h"

Tlogoform::Tlogoform(TWindowSet& windows)
    : TModulePanel(TlogoformGeometry, windows, logoModule(), { { "list", "enable", "ran", "next" } })
{
    onClick("BitBtn6", [this] { Button5Click(); });
    onClick("BitBtn7", [this] { Button6Click(); });
    onClick("BitBtn8", [this] { BitBtn8Click(); });
    onSystemClose([this] { BitBtn8Click(); });
}

void Tlogoform::Button5Click()
{
    windows_.cancelform4().showWindow();
}

void Tlogoform::Button6Click()
{
    windows_.briskohelp().showWindow();
}

void Tlogoform::BitBtn8Click()
{
    leave();
}
