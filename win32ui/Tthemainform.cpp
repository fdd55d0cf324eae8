#include "win32ui/Tthemainform.h"

#include "shell/TthemainformGeometry.h"
#include "win32ui/TWindowSet.h"

Tthemainform::Tthemainform(TWindowSet& windows, HWND owner)
    : TSkinnedForm(TthemainformGeometry, owner)
    , windows_(windows)
{
    setVisible("logoabout2", false);
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
    onClick("BitBtn3", [this] { BitBtn3Click(); });
    onClick("BitBtn4", [this] { BitBtn4Click(); });
    onClick("BitBtn5", [this] { BitBtn5Click(); });
    onClick("BitBtn6", [this] { BitBtn6Click(); });
    onClick("BitBtn7", [this] { BitBtn7Click(); });
    onMouseMove("logoabout", [this] { logoaboutMouseMove(); });
    onMouseMove("background", [this] { backgroundMouseMove(); });
    onClick("logoabout2", [this] { logoabout2Click(); });
    onSystemClose([this] { BitBtn7Click(); });
}

bool Tthemainform::logoHighlighted() const
{
    return isShown("logoabout2");
}

void Tthemainform::openPanel(const char* panel)
{
    hideWindow();
    windows_.find(panel).open();
}

void Tthemainform::BitBtn1Click()
{
    openPanel("Tmurelloform");
}
void Tthemainform::BitBtn2Click()
{
    openPanel("Ttonvikform");
}
void Tthemainform::BitBtn3Click()
{
    openPanel("Tsaverform");
}
void Tthemainform::BitBtn4Click()
{
    openPanel("Tlogoform");
}
void Tthemainform::BitBtn5Click()
{
    openPanel("Tthemeform");
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
    setVisible("logoabout", false);
    setVisible("logoabout2", true);
}

void Tthemainform::backgroundMouseMove()
{
    if (!logoHighlighted())
        return;
    setVisible("logoabout", true);
    setVisible("logoabout2", false);
}

void Tthemainform::logoabout2Click()
{
    windows_.find("Tbigabout").showWindow();
    hideWindow();
}
