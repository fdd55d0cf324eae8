#include "shell/confirm/Tcancelform.h"

#include "shell/confirm/CancelGeometry.h"

Tcancelform::Tcancelform(TWindowSet& windows)
    : TCancelConfirmation(windows, TcancelformGeometry)
{
}
