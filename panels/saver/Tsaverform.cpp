#include "panels/saver/Tsaverform.h"

#include "cycle/PosixSystem.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "panels/saver/TsaverformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform3.h"
#include "shell/help/Tsaverhelp.h"

namespace {

// The start-up has made the machine; a store that is missing even so is reported when Save uses it.
std::unique_ptr<SaverPanel> machineSaverPanel(const std::string& programDirectory, std::shared_ptr<System> system)
{
    return std::make_unique<SaverPanel>(programDirectory,
        std::make_shared<RegistryFile>(StandInMachine(programDirectory).registryPath()),
        system ? std::move(system) : std::make_shared<PosixSystem>());
}

} // namespace

Tsaverform::Tsaverform(TWindowSet& windows, std::shared_ptr<System> system)
    : TCyclePanel(TsaverformGeometry, windows,
        { "BitBtn6", "BitBtn7", "BitBtn8", "BitBtn9", [](TWindowSet& w) { w.cancelform3().showWindow(); },
            [](TWindowSet& w) { w.saverhelp().showWindow(); } })
    , panel_(machineSaverPanel(windows.programDirectory(), std::move(system)))
{
    showPanel(
        *panel_, { "list", "enable", "ran", "next" }, { "BitBtn1", "BitBtn2", "BitBtn3", "ScreenSaver Files|*.scr" });
    onClick("BitBtn4", [this] { panel_->preview(); });
    onClick("BitBtn5", [this] { panel_->options(); });
}

Tsaverform::~Tsaverform() = default;
