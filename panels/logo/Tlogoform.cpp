#include "panels/logo/Tlogoform.h"

#include "cycle/PosixSystem.h"
#include "panels/logo/TlogoformGeometry.h"
#include "panels/logo/Tlogorest.h"
#include "panels/wallpaper/PictureImage.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform4.h"
#include "shell/help/Tbriskohelp.h"
#include "shell/skin/TErrorBox.h"

#include <QLabel>
#include <QLineEdit>

Tlogoform::Tlogoform(TWindowSet& windows)
    : TCyclePanel(TlogoformGeometry, windows,
        { "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8", [](TWindowSet& w) { w.cancelform4().showWindow(); },
            [](TWindowSet& w) { w.briskohelp().showWindow(); } })
    , panel_(std::make_unique<LogoPanel>(
          windows.programDirectory(), machineRegistry(windows.programDirectory()), std::make_shared<PosixSystem>()))
{
    // Each refused bitmap gets its own box; the next file is examined once it is closed.
    panel_->setRefusalNotice([](const std::string& message) { TErrorBox::showError(message); });
    // Boot logos are bitmaps under their own name, LOGO.SYS, so the dialog offers them too.
    showPanel(*panel_, { "list", "enable", "ran", "next" },
        { "BitBtn2", "BitBtn3", "BitBtn4", "Bitmaps and logo files|*.bmp;*.sys|Bitmap files|*.bmp|Logo files|*.sys" });
    describeSaves({ "Start-up logo" });
    onClick("BitBtn1", [this] { BitBtn1Click(); });
}

Tlogoform::~Tlogoform() = default;

// The information window opens beside the panel, which stays open.
void Tlogoform::BitBtn1Click()
{
    if (panel_->restore())
        windows_.logorest().showWindow();
}

void Tlogoform::showEntry()
{
    const LogoPreview& preview = panel_->preview();
    QLabel* picture = image("preview");
    if (preview.inFront())
        picture->raise();
    picture->setPixmap(QPixmap::fromImage(pictureImage(preview.picture())));
    const std::string& dimensions = preview.dimensions();
    edit("dimensions")->setText(QString::fromLocal8Bit(dimensions.data(), static_cast<qsizetype>(dimensions.size())));
}
