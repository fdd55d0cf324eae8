#include "win32ui/panels/logo/Tlogoform.h"

#include "panels/logo/TlogoformGeometry.h"
#include "panels/logo/TlogoformWiring.h"
#include "win32ui/TWindowSet.h"
#include "win32ui/skin/TErrorBox.h"

using namespace TlogoformWiring;

Tlogoform::Tlogoform(TWindowSet& windows, HWND owner)
    : TCyclePanel(TlogoformGeometry, windows, owner, verbs)
    , panel_(std::make_unique<LogoPanel>(windows.programDirectory(), windowsRegistry(), windowsSystem()))
{
    // Each refused bitmap gets its own box; the next file is examined once it is closed.
    panel_->setRefusalNotice([](const std::string& message) { TErrorBox::showError(message); });
    showPanel(*panel_, list, edits);
    onClick(restore, [this] { BitBtn1Click(); });
}

Tlogoform::~Tlogoform() = default;

// The information window opens beside the panel, which stays open.
void Tlogoform::BitBtn1Click()
{
    if (panel_->restore())
        windows_.find(restoredWindow).showWindow();
}

void Tlogoform::showEntry()
{
    const Picture& picture = panel_->preview().picture();
    if (picture.isNull())
        clearPicture(preview);
    else
        setPicture(preview, picture.pixels.data(), picture.width, picture.height, 0, 0, LogoPreview::width,
            LogoPreview::height);
    setText(dimensions, panel_->preview().dimensions());
}
