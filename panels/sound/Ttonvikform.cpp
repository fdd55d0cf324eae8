#include "panels/sound/Ttonvikform.h"

#include "panels/sound/TtonvikformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform2.h"
#include "shell/help/Thelp.h"

Ttonvikform::Ttonvikform(TWindowSet& windows)
    : TSkinnedForm(TtonvikformGeometry)
    , windows_(windows)
{
    onClick("BitBtn5", [this] { Button4Click(); });
    onClick("BitBtn6", [this] { Button6Click(); });
    onClick("BitBtn7", [this] { BitBtn7Click(); });
    onSystemClose([this] { BitBtn7Click(); });
}

void Ttonvikform::Button4Click()
{
    windows_.cancelform2().showWindow();
}

void Ttonvikform::Button6Click()
{
    windows_.help().showWindow();
}

// Leaves without saving and without asking; the edits stay in memory.
void Ttonvikform::BitBtn7Click()
{
    windows_.returnToControlCenter(*this);
}
