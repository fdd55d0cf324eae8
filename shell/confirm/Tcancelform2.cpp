#include "shell/confirm/Tcancelform2.h"

#include "panels/sound/Ttonvikform.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/CancelGeometry.h"

Tcancelform2::Tcancelform2(TWindowSet& windows)
    : TCancelConfirmation(
        windows, Tcancelform2Geometry, [](TWindowSet& set) -> TModulePanel& { return set.tonvikform(); }, "BitBtn1",
        "BitBtn2")
{
}
