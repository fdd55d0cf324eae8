#include "panels/logo/Tlogorest.h"

#include "panels/logo/TlogorestGeometry.h"

Tlogorest::Tlogorest(TWindowSet&)
    : TSkinnedForm(TlogorestGeometry)
{
    onClick("BitBtn1", [this] { BitBtn1Click(); });
}

void Tlogorest::BitBtn1Click()
{
    hideWindow();
}
