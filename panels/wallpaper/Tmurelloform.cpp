#include "panels/wallpaper/Tmurelloform.h"

#include "panels/wallpaper/PictureImage.h"
#include "panels/wallpaper/TmurelloformGeometry.h"
#include "panels/wallpaper/TmurelloformWiring.h"
#include "shell/TWindowSet.h"

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
    : TCyclePanel(TmurelloformGeometry, windows, TmurelloformWiring::verbs)
    , panel_(std::make_unique<WallpaperPanel>(windows.programDirectory(), machineRegistry(windows.programDirectory())))
{
    QFont large = edit("next")->font();
    large.setPointSize(10);
    edit("next")->setFont(large);
    checkBox("tile")->setFont(large);
    checkBox("ran")->setFont(large);
    checkBox("enable")->setFont(large);

    showPanel(*panel_, TmurelloformWiring::list, TmurelloformWiring::edits);
    describeSaves({ "Wallpaper" }, TDesktopShow::What::Wallpaper);
    onClick(TmurelloformWiring::tile, [this] { tileClick(); });
    onClick(TmurelloformWiring::converter, [this] { BitBtn4Click(); });
    onClick(TmurelloformWiring::tileAll, [this] { BitBtn5Click(); });
    onClick(TmurelloformWiring::untileAll, [this] { BitBtn6Click(); });
    showSwitches();
}

Tmurelloform::~Tmurelloform() = default;

void Tmurelloform::tileClick()
{
    panel_->clickTile(checkBox(TmurelloformWiring::tile)->isChecked());
}

// The converter opens beside the panel, which stays open.
void Tmurelloform::BitBtn4Click()
{
    windows_.find(TmurelloformWiring::converterWindow).showWindow();
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
    checkBox(TmurelloformWiring::tile)->setChecked(panel_->tileTicked());
    TCyclePanel::showSwitches();
}

void Tmurelloform::showEntry()
{
    const WallpaperPreview& preview = panel_->preview();
    const PreviewArea& area = preview.area();
    QLabel* pic = image(TmurelloformWiring::preview);
    pic->setGeometry(area.left, area.top, area.width, area.height);
    pic->setPixmap(QPixmap::fromImage(pictureImage(preview.picture())));
    pic->raise();
    edit(TmurelloformWiring::pictureWidth)->setText(shown(preview.widthText()));
    edit(TmurelloformWiring::pictureHeight)->setText(shown(preview.heightText()));
}
