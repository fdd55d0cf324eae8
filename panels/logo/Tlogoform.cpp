#include "panels/logo/Tlogoform.h"

#include "cycle/PosixSystem.h"
#include "panels/logo/TlogoformGeometry.h"
#include "panels/logo/TlogoformWiring.h"
#include "panels/wallpaper/PictureImage.h"
#include "shell/TWindowSet.h"
#include "shell/skin/TErrorBox.h"

#include <QLabel>
#include <QLineEdit>

Tlogoform::Tlogoform(TWindowSet& windows)
    : TCyclePanel(TlogoformGeometry, windows, TlogoformWiring::verbs)
    , panel_(std::make_unique<LogoPanel>(
          windows.programDirectory(), machineRegistry(windows.programDirectory()), std::make_shared<PosixSystem>()))
{
    // Each refused bitmap gets its own box; the next file is examined once it is closed.
    panel_->setRefusalNotice([](const std::string& message) { TErrorBox::showError(message); });
    showPanel(*panel_, TlogoformWiring::list, TlogoformWiring::edits);
    describeSaves({ "Start-up logo" });
    onClick(TlogoformWiring::restore, [this] { BitBtn1Click(); });
}

Tlogoform::~Tlogoform() = default;

// The information window opens beside the panel, which stays open.
void Tlogoform::BitBtn1Click()
{
    if (panel_->restore())
        windows_.find(TlogoformWiring::restoredWindow).showWindow();
}

void Tlogoform::showEntry()
{
    const LogoPreview& preview = panel_->preview();
    QLabel* picture = image(TlogoformWiring::preview);
    if (preview.inFront())
        picture->raise();
    picture->setPixmap(QPixmap::fromImage(pictureImage(preview.picture())));
    const std::string& dimensions = preview.dimensions();
    edit(TlogoformWiring::dimensions)
        ->setText(QString::fromLocal8Bit(dimensions.data(), static_cast<qsizetype>(dimensions.size())));
}
