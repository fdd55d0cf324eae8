#include "shell/confirm/Tcancelform3.h"

#include "panels/saver/Tsaverform.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/CancelGeometry.h"

Tcancelform3::Tcancelform3(TWindowSet& windows)
    : TCancelConfirmation(
        windows, Tcancelform3Geometry, [](TWindowSet& set) -> TModulePanel& { return set.saverform(); }, "BitBtn1",
        "BitBtn2")
{
}
