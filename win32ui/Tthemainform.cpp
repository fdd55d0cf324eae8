#include "win32ui/Tthemainform.h"

#include "shell/TthemainformGeometry.h"
#include "shell/TthemainformWiring.h"
#include "win32ui/TWindowSet.h"

namespace wiring = TthemainformWiring;

Tthemainform::Tthemainform(TWindowSet& windows, HWND owner)
    : TSkinnedForm(TthemainformGeometry, owner)
    , windows_(windows)
{
    setVisible(wiring::litLogo, false);
    wiring::connect(*this);
}

bool Tthemainform::logoHighlighted() const
{
    return isShown(wiring::litLogo);
}

void Tthemainform::openPanel(const char* panel)
{
    hideWindow();
    windows_.find(panel).open();
}

void Tthemainform::BitBtn6Click()
{
    windows_.minimiseAll();
}

void Tthemainform::BitBtn7Click()
{
    windows_.endProgram();
}

// The highlight has no timer: movement over the logo turns it on, movement over the background
// turns it off, and movement anywhere else leaves it as it is.
void Tthemainform::logoaboutMouseMove()
{
    if (logoHighlighted())
        return;
    setVisible(wiring::logo, false);
    setVisible(wiring::litLogo, true);
}

void Tthemainform::backgroundMouseMove()
{
    if (!logoHighlighted())
        return;
    setVisible(wiring::logo, true);
    setVisible(wiring::litLogo, false);
}

void Tthemainform::logoabout2Click()
{
    windows_.find(wiring::about).showWindow();
    hideWindow();
}
