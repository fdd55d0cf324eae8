#include "panels/sound/Ttonvikform.h"

#include "panels/sound/SoundModule.h"
#include "panels/sound/TtonvikformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform2.h"
#include "shell/help/Thelp.h"

#include <QCheckBox>

Ttonvikform::Ttonvikform(TWindowSet& windows)
    : TModulePanel(TtonvikformGeometry, windows, soundModule(),
        { { "inlist", "inenable", "inran", "innext" }, { "outlist", "outenable", "outran", "outnext" } })
{
    checkBox("inedit")->setChecked(model().editTarget() == StartupSounds);
    checkBox("outedit")->setChecked(model().editTarget() == ShutdownSounds);
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

void Ttonvikform::BitBtn7Click()
{
    leave();
}
