#include "shell/help/Thelp.h"

#include "shell/help/HelpGeometry.h"

#include <QIcon>

Thelp::Thelp(TWindowSet&)
    : TSkinnedForm(ThelpGeometry)
{
    setWindowIcon(QIcon(QString::fromStdString(":/" + iconResource("help"))));
    onClick("Button1", [this] { Button1Click(); });
}

void Thelp::Button1Click()
{
    hideWindow();
}
