#include "shell/confirm/Tcancelform4.h"

#include "panels/logo/Tlogoform.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/confirm/CancelGeometry.h"

Tcancelform4::Tcancelform4(TWindowSet& windows)
    : TSkinnedForm(Tcancelform4Geometry)
    , windows_(windows)
{
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
}

// Nothing is written and nothing is undone: the panel shows its edits when opened again.
void Tcancelform4::BitBtn1Click()
{
    windows_.logoform().hideWindow();
    hideWindow();
    windows_.themainform().showWindow();
}

void Tcancelform4::BitBtn2Click()
{
    hideWindow();
}
