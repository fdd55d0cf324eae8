#include "shell/help/Tbriskohelp.h"

#include "shell/help/HelpGeometry.h"

Tbriskohelp::Tbriskohelp(TWindowSet&)
    : TSkinnedForm(TbriskohelpGeometry)
{
    onClick("Button1", [this] { Button1Click(); });
}

void Tbriskohelp::Button1Click()
{
    hideWindow();
}
