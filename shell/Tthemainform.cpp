#include "shell/Tthemainform.h"

#include "panels/TModulePanel.h"
#include "shell/TWindowSet.h"
#include "shell/TthemainformGeometry.h"
#include "shell/TthemainformWiring.h"

#include <QIcon>
#include <QLabel>

namespace wiring = TthemainformWiring;

Tthemainform::Tthemainform(TWindowSet& windows)
    : TSkinnedForm(TthemainformGeometry)
    , windows_(windows)
{
    setWindowIcon(QIcon(QString::fromStdString(":/" + iconResource("zentrel"))));
    image(wiring::litLogo)->hide();
    wiring::connect(*this);
}

bool Tthemainform::logoHighlighted() const
{
    return !image(wiring::litLogo)->isHidden();
}

void Tthemainform::openPanel(const char* panel)
{
    auto& module = dynamic_cast<TModulePanel&>(windows_.find(panel));
    hideWindow();
    module.open();
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
    image(wiring::logo)->hide();
    image(wiring::litLogo)->show();
}

void Tthemainform::backgroundMouseMove()
{
    image(wiring::logo)->show();
    image(wiring::litLogo)->hide();
}

void Tthemainform::logoabout2Click()
{
    windows_.find(wiring::about).showWindow();
    hideWindow();
}
