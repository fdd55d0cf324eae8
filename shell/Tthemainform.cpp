#include "shell/Tthemainform.h"

#include "panels/logo/Tlogoform.h"
#include "panels/saver/Tsaverform.h"
#include "panels/sound/Ttonvikform.h"
#include "panels/theme/Tthemeform.h"
#include "panels/wallpaper/Tmurelloform.h"
#include "shell/TWindowSet.h"
#include "shell/TthemainformGeometry.h"
#include "shell/about/Tbigabout.h"

#include <QIcon>
#include <QLabel>

Tthemainform::Tthemainform(TWindowSet& windows)
    : TSkinnedForm(TthemainformGeometry)
    , windows_(windows)
{
    setWindowIcon(QIcon(QString::fromStdString(":/" + iconResource("zentrel"))));
    image("logoabout2")->hide();
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
    return !image("logoabout2")->isHidden();
}

void Tthemainform::openPanel(TModulePanel& panel)
{
    hideWindow();
    panel.open();
}

void Tthemainform::BitBtn1Click()
{
    openPanel(windows_.murelloform());
}
void Tthemainform::BitBtn2Click()
{
    openPanel(windows_.tonvikform());
}
void Tthemainform::BitBtn3Click()
{
    openPanel(windows_.saverform());
}
void Tthemainform::BitBtn4Click()
{
    openPanel(windows_.logoform());
}
void Tthemainform::BitBtn5Click()
{
    openPanel(windows_.themeform());
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
    image("logoabout")->hide();
    image("logoabout2")->show();
}

void Tthemainform::backgroundMouseMove()
{
    image("logoabout")->show();
    image("logoabout2")->hide();
}

void Tthemainform::logoabout2Click()
{
    windows_.bigabout().showWindow();
    hideWindow();
}
