#include "panels/saver/Tsaverform.h"

#include "cycle/PosixSystem.h"
#include "panels/saver/TsaverformGeometry.h"
#include "panels/saver/TsaverformWiring.h"
#include "shell/TWindowSet.h"

Tsaverform::Tsaverform(TWindowSet& windows, std::shared_ptr<System> system)
    : TCyclePanel(TsaverformGeometry, windows, TsaverformWiring::verbs)
    , panel_(std::make_unique<SaverPanel>(windows.programDirectory(), machineRegistry(windows.programDirectory()),
          system ? std::move(system) : std::make_shared<PosixSystem>()))
{
    showPanel(*panel_, TsaverformWiring::list, TsaverformWiring::edits);
    describeSaves({ "Screen saver" });
    onClick(TsaverformWiring::preview, [this] { panel_->preview(); });
    onClick(TsaverformWiring::options, [this] { panel_->options(); });
}

Tsaverform::~Tsaverform() = default;
