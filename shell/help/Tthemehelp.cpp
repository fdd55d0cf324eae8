#include "shell/help/Tthemehelp.h"

#include "shell/help/HelpGeometry.h"

Tthemehelp::Tthemehelp(TWindowSet&)
    : TSkinnedForm(TthemehelpGeometry)
{
    onClick("Button1", [this] { Button1Click(); });
}

void Tthemehelp::Button1Click()
{
    hideWindow();
}
