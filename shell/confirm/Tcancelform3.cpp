#include "shell/confirm/Tcancelform3.h"

#include "shell/confirm/CancelGeometry.h"

Tcancelform3::Tcancelform3(TWindowSet& windows)
    : TCancelConfirmation(windows, Tcancelform3Geometry)
{
}
