#include "shell/confirm/Tcancelform4.h"

#include "panels/logo/Tlogoform.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/CancelGeometry.h"

Tcancelform4::Tcancelform4(TWindowSet& windows)
    : TCancelConfirmation(
        windows, Tcancelform4Geometry, [](TWindowSet& set) -> TModulePanel& { return set.logoform(); }, "BitBtn1",
        "BitBtn2")
{
}
