#include "shell/help/Tbriskohelp.h"

#include "shell/help/HelpGeometry.h"

Tbriskohelp::Tbriskohelp(TWindowSet&)
    : THelpWindow(TbriskohelpGeometry)
{
}
