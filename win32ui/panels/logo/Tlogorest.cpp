#include "win32ui/panels/logo/Tlogorest.h"

#include "panels/logo/TlogorestGeometry.h"
#include "panels/logo/TlogorestWiring.h"

Tlogorest::Tlogorest(TWindowSet&, HWND owner)
    : TSkinnedForm(TlogorestGeometry, owner)
{
    onClick(TlogorestWiring::close, [this] { BitBtn1Click(); });
    onSystemClose([this] { BitBtn1Click(); });
}
