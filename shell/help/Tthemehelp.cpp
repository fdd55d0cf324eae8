#include "shell/help/Tthemehelp.h"

#include "shell/help/HelpGeometry.h"

Tthemehelp::Tthemehelp(TWindowSet&)
    : THelpWindow(TthemehelpGeometry)
{
}
