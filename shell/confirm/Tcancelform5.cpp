#include "shell/confirm/Tcancelform5.h"

#include "shell/confirm/CancelGeometry.h"

Tcancelform5::Tcancelform5(TWindowSet& windows)
    : TCancelConfirmation(windows, Tcancelform5Geometry)
{
}
