#include "shell/help/Thelp.h"

#include "shell/help/HelpGeometry.h"

Thelp::Thelp(TWindowSet&)
    : THelpWindow(ThelpGeometry, "help")
{
}
