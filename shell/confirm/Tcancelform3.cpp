#include "shell/confirm/Tcancelform3.h"

#include "panels/saver/Tsaverform.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/confirm/CancelGeometry.h"

Tcancelform3::Tcancelform3(TWindowSet& windows)
    : TSkinnedForm(Tcancelform3Geometry)
    , windows_(windows)
{
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
}

// Nothing is written and nothing is undone: the panel shows its edits when opened again.
void Tcancelform3::BitBtn1Click()
{
    windows_.saverform().hideWindow();
    hideWindow();
    windows_.themainform().showWindow();
}

void Tcancelform3::BitBtn2Click()
{
    hideWindow();
}
