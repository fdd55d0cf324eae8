#include "shell/confirm/Tcancelform.h"

#include "panels/wallpaper/Tmurelloform.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/confirm/CancelGeometry.h"

Tcancelform::Tcancelform(TWindowSet& windows)
    : TSkinnedForm(TcancelformGeometry)
    , windows_(windows)
{
    onClick("paperyes", [this] { paperyesClick(); });
    onClick("paperno", [this] { papernoClick(); });
}

// Nothing is written and nothing is undone: the panel shows its edits when opened again.
void Tcancelform::paperyesClick()
{
    windows_.murelloform().hideWindow();
    hideWindow();
    windows_.themainform().showWindow();
}

void Tcancelform::papernoClick()
{
    hideWindow();
}
