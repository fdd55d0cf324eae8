#include "panels/wallpaper/Tmurelloform.h"

#include "convert/Tgfx.h"
#include "panels/wallpaper/PictureImage.h"
#include "panels/wallpaper/TmurelloformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform.h"
#include "shell/help/Thelp2.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QString shown(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Tmurelloform::Tmurelloform(TWindowSet& windows)
    : TCyclePanel(TmurelloformGeometry, windows,
        { "BitBtn7", "BitBtn8", "BitBtn9", "BitBtn11", [](TWindowSet& w) { w.cancelform().showWindow(); },
            [](TWindowSet& w) { w.help2().showWindow(); } })
    , panel_(std::make_unique<WallpaperPanel>(windows.programDirectory(), machineRegistry(windows.programDirectory())))
{
    QFont large = edit("next")->font();
    large.setPointSize(10);
    edit("next")->setFont(large);
    checkBox("tile")->setFont(large);
    checkBox("ran")->setFont(large);
    checkBox("enable")->setFont(large);

    showPanel(*panel_, { "List", "enable", "ran", "next" }, { "BitBtn1", "BitBtn2", "BitBtn3", "Bitmap Image|*.bmp" });
    describeSaves({ "Wallpaper" }, TDesktopShow::What::Wallpaper);
    onClick("tile", [this] { tileClick(); });
    onClick("BitBtn4", [this] { BitBtn4Click(); });
    onClick("BitBtn5", [this] { BitBtn5Click(); });
    onClick("BitBtn6", [this] { BitBtn6Click(); });
    showSwitches();
}

Tmurelloform::~Tmurelloform() = default;

void Tmurelloform::tileClick()
{
    panel_->clickTile(checkBox("tile")->isChecked());
}

// The converter opens beside the panel, which stays open.
void Tmurelloform::BitBtn4Click()
{
    windows_.gfx().showWindow();
}

void Tmurelloform::BitBtn5Click()
{
    panel_->tileAll();
    showSwitches();
}

void Tmurelloform::BitBtn6Click()
{
    panel_->untileAll();
    showSwitches();
}

void Tmurelloform::showSwitches()
{
    checkBox("tile")->setChecked(panel_->tileTicked());
    TCyclePanel::showSwitches();
}

void Tmurelloform::showEntry()
{
    const WallpaperPreview& preview = panel_->preview();
    const PreviewArea& area = preview.area();
    QLabel* pic = image("pic");
    pic->setGeometry(area.left, area.top, area.width, area.height);
    pic->setPixmap(QPixmap::fromImage(pictureImage(preview.picture())));
    pic->raise();
    edit("picwidth")->setText(shown(preview.widthText()));
    edit("picheight")->setText(shown(preview.heightText()));
}
