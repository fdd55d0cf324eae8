#include "shell/confirm/Tcancelform2.h"

#include "panels/sound/Ttonvikform.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/confirm/CancelGeometry.h"

Tcancelform2::Tcancelform2(TWindowSet& windows)
    : TSkinnedForm(Tcancelform2Geometry)
    , windows_(windows)
{
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
}

// Nothing is written and nothing is undone: the panel shows its edits when opened again.
void Tcancelform2::BitBtn1Click()
{
    windows_.tonvikform().hideWindow();
    hideWindow();
    windows_.themainform().showWindow();
}

void Tcancelform2::BitBtn2Click()
{
    hideWindow();
}
