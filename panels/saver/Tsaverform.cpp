#include "panels/saver/Tsaverform.h"

#include "cycle/PosixSystem.h"
#include "panels/saver/TsaverformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform3.h"
#include "shell/help/Tsaverhelp.h"

Tsaverform::Tsaverform(TWindowSet& windows, std::shared_ptr<System> system)
    : TCyclePanel(TsaverformGeometry, windows,
        { "BitBtn6", "BitBtn7", "BitBtn8", "BitBtn9", [](TWindowSet& w) { w.cancelform3().showWindow(); },
            [](TWindowSet& w) { w.saverhelp().showWindow(); } })
    , panel_(std::make_unique<SaverPanel>(windows.programDirectory(), machineRegistry(windows.programDirectory()),
          system ? std::move(system) : std::make_shared<PosixSystem>()))
{
    showPanel(
        *panel_, { "list", "enable", "ran", "next" }, { "BitBtn1", "BitBtn2", "BitBtn3", "ScreenSaver Files|*.scr" });
    describeSaves({ "Screen saver" });
    onClick("BitBtn4", [this] { panel_->preview(); });
    onClick("BitBtn5", [this] { panel_->options(); });
}

Tsaverform::~Tsaverform() = default;
