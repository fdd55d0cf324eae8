#include "shell/confirm/Tcancelform2.h"

#include "shell/confirm/CancelGeometry.h"

Tcancelform2::Tcancelform2(TWindowSet& windows)
    : TCancelConfirmation(windows, Tcancelform2Geometry)
{
}
