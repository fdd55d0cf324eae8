#include "win32ui/panels/saver/Tsaverform.h"

#include "panels/saver/TsaverformGeometry.h"
#include "panels/saver/TsaverformWiring.h"
#include "win32ui/TWindowSet.h"

using namespace TsaverformWiring;

Tsaverform::Tsaverform(TWindowSet& windows, HWND owner)
    : TCyclePanel(TsaverformGeometry, windows, owner, verbs)
    , panel_(std::make_unique<SaverPanel>(windows.programDirectory(), windowsRegistry(), windowsSystem()))
{
    showPanel(*panel_, list, edits);
    onClick(preview, [this] { panel_->preview(); });
    onClick(options, [this] { panel_->options(); });
}

Tsaverform::~Tsaverform() = default;
