#include "shell/help/Tsaverhelp.h"

#include "shell/help/HelpGeometry.h"

Tsaverhelp::Tsaverhelp(TWindowSet&)
    : TSkinnedForm(TsaverhelpGeometry)
{
    onClick("Button1", [this] { Button1Click(); });
}

void Tsaverhelp::Button1Click()
{
    hideWindow();
}
