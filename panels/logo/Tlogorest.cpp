#include "panels/logo/Tlogorest.h"

#include "panels/logo/TlogorestGeometry.h"
#include "panels/logo/TlogorestWiring.h"

Tlogorest::Tlogorest(TWindowSet&)
    : TSkinnedForm(TlogorestGeometry)
{
    onClick(TlogorestWiring::close, [this] { BitBtn1Click(); });
}

void Tlogorest::BitBtn1Click()
{
    hideWindow();
}
