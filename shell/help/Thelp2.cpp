#include "shell/help/Thelp2.h"

#include "shell/help/HelpGeometry.h"

#include <QIcon>

Thelp2::Thelp2(TWindowSet&)
    : TSkinnedForm(Thelp2Geometry)
{
    setWindowIcon(QIcon(QString::fromStdString(":/" + iconResource("help"))));
    onClick("Button1", [this] { Button1Click(); });
}

void Thelp2::Button1Click()
{
    hideWindow();
}
