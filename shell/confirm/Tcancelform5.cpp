#include "shell/confirm/Tcancelform5.h"

#include "panels/theme/Tthemeform.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/CancelGeometry.h"

Tcancelform5::Tcancelform5(TWindowSet& windows)
    : TCancelConfirmation(
        windows, Tcancelform5Geometry, [](TWindowSet& set) -> TModulePanel& { return set.themeform(); }, "BitBtn1",
        "BitBtn2")
{
}
