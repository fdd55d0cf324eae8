#include "shell/about/Tbigabout.h"

#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/about/TbigaboutGeometry.h"

Tbigabout::Tbigabout(TWindowSet& windows)
    : TSkinnedForm(TbigaboutGeometry)
    , windows_(windows)
{
    onClick("okbut", [this] { okbutClick(); });
    onClick("quitbut", [this] { quitbutClick(); });
}

void Tbigabout::okbutClick()
{
    windows_.returnToControlCenter(*this);
}

void Tbigabout::quitbutClick()
{
    windows_.endProgram();
}
