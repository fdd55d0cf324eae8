#include "shell/help/Thelp2.h"

#include "shell/help/HelpGeometry.h"

Thelp2::Thelp2(TWindowSet&)
    : THelpWindow(Thelp2Geometry, "help")
{
}
