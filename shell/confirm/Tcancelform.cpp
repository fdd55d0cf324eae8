#include "shell/confirm/Tcancelform.h"

#include "panels/wallpaper/Tmurelloform.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/CancelGeometry.h"

Tcancelform::Tcancelform(TWindowSet& windows)
    : TCancelConfirmation(
        windows, TcancelformGeometry, [](TWindowSet& set) -> TModulePanel& { return set.murelloform(); }, "paperyes",
        "paperno")
{
}
