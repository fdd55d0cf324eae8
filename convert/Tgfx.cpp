#include "convert/Tgfx.h"

#include "convert/TgfxGeometry.h"

#include <QIcon>

Tgfx::Tgfx(TWindowSet&)
    : TSkinnedForm(TgfxGeometry)
{
    setWindowIcon(QIcon(QString::fromStdString(":/" + iconResource("gfx"))));
    onClick("BitBtn3", [this] { Button1Click(); });
}

void Tgfx::Button1Click()
{
    hideWindow();
}
