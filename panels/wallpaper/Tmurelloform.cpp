#include "panels/wallpaper/Tmurelloform.h"

#include "convert/Tgfx.h"
#include "panels/wallpaper/TmurelloformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform.h"
#include "shell/help/Thelp2.h"

Tmurelloform::Tmurelloform(TWindowSet& windows)
    : TSkinnedForm(TmurelloformGeometry)
    , windows_(windows)
{
    onClick("BitBtn4", [this] { BitBtn4Click(); });
    onClick("BitBtn8", [this] { BitBtn8Click(); });
    onClick("BitBtn9", [this] { BitBtn9Click(); });
    onClick("BitBtn11", [this] { BitBtn11Click(); });
    onSystemClose([this] { BitBtn11Click(); });
}

// The converter opens beside the panel, which stays open.
void Tmurelloform::BitBtn4Click()
{
    windows_.gfx().showWindow();
}

void Tmurelloform::BitBtn8Click()
{
    windows_.cancelform().showWindow();
}

void Tmurelloform::BitBtn9Click()
{
    windows_.help2().showWindow();
}

// Leaves without saving and without asking; the edits stay in memory.
void Tmurelloform::BitBtn11Click()
{
    windows_.returnToControlCenter(*this);
}
