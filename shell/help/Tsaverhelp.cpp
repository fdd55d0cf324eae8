#include "shell/help/Tsaverhelp.h"

#include "shell/help/HelpGeometry.h"

Tsaverhelp::Tsaverhelp(TWindowSet&)
    : THelpWindow(TsaverhelpGeometry)
{
}
