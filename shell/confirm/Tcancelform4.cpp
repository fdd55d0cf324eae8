#include "shell/confirm/Tcancelform4.h"

#include "shell/confirm/CancelGeometry.h"

Tcancelform4::Tcancelform4(TWindowSet& windows)
    : TCancelConfirmation(windows, Tcancelform4Geometry)
{
}
