#include "desktop/PresentStep.h"

#include "desktop/DesktopBackground.h"
#include "desktop/DesktopChoice.h"
#include "desktop/MediaWavePlayer.h"
#include "desktop/Presenter.h"
#include "desktop/ProcessRunner.h"

bool presentOnDesktop(const CycleServices& services, bool dryRun, std::ostream& out, std::ostream& errors)
{
    SessionEnvironment session = SessionEnvironment::fromProcess();
    auto background = chooseDesktopBackground(session, std::make_shared<ProcessRunner>());
    Presenter presenter(
        services, session.hasSession(), std::move(background), std::make_shared<MediaWavePlayer>(), out, errors);
    return presenter.present(dryRun);
}
