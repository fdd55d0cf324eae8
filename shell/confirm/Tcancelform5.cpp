#include "shell/confirm/Tcancelform5.h"

#include "panels/theme/Tthemeform.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/confirm/CancelGeometry.h"

Tcancelform5::Tcancelform5(TWindowSet& windows)
    : TSkinnedForm(Tcancelform5Geometry)
    , windows_(windows)
{
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
}

// Nothing is written and nothing is undone: the panel shows its edits when opened again.
void Tcancelform5::BitBtn1Click()
{
    windows_.themeform().hideWindow();
    hideWindow();
    windows_.themainform().showWindow();
}

void Tcancelform5::BitBtn2Click()
{
    hideWindow();
}
