#include "shell/notice/TDesktopShow.h"

#include "cycle/Exception.h"
#include "cycle/LineFiles.h"
#include "cycle/PosixSystem.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "desktop/DesktopBackground.h"
#include "desktop/DesktopChoice.h"
#include "desktop/MediaWavePlayer.h"
#include "desktop/Presenter.h"
#include "desktop/ProcessRunner.h"
#include "zentrel-cycle/CycleServices.h"

#include <sstream>

namespace {

TDesktopShow::Hook& hook()
{
    static TDesktopShow::Hook instance;
    return instance;
}

// The presenter plays the start-up sound after the wallpaper; shown alone, the wallpaper plays none.
class Silence : public WavePlayer {
public:
    void playOnce(const std::string&) override { }
};

// The presenter's messages end in a full stop, which the error box adds again.
std::string firstMessage(const std::string& errors)
{
    std::string message = errors.substr(0, errors.find('\n'));
    if (message.ends_with('.'))
        message.pop_back();
    return message;
}

} // namespace

void TDesktopShow::run(const std::string& programDirectory, What what)
{
    if (hook()) {
        hook()(programDirectory, what);
        return;
    }
    CycleServices services;
    services.programDirectory = programDirectory;
    services.registry = std::make_shared<RegistryFile>(StandInMachine(programDirectory).registryPath());
    services.files = std::make_shared<LineFiles>();
    services.system = std::make_shared<PosixSystem>();

    SessionEnvironment session = SessionEnvironment::fromProcess();
    std::unique_ptr<DesktopBackground> background;
    std::shared_ptr<WavePlayer> player;
    if (what == What::Wallpaper) {
        background = chooseDesktopBackground(session, std::make_shared<ProcessRunner>());
        player = std::make_shared<Silence>();
    } else {
        player = std::make_shared<MediaWavePlayer>();
    }
    std::ostringstream out, errors;
    Presenter presenter(services, session.hasSession(), std::move(background), player, out, errors);
    if (!presenter.present())
        throw Exception(firstMessage(errors.str()));
}

void TDesktopShow::setTestHook(Hook hook_)
{
    hook() = std::move(hook_);
}
