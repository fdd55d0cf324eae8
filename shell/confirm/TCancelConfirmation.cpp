#include "shell/confirm/TCancelConfirmation.h"

#include "panels/TModulePanel.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/CancelWiring.h"

#include <stdexcept>
#include <string>

namespace {

const TCancelWiring& wiringOf(const TWindowGeometry& table)
{
    if (const TCancelWiring* wiring = findCancelWiring(table.name))
        return *wiring;
    throw std::logic_error(std::string(table.name) + " is no Cancel confirmation");
}

} // namespace

TCancelConfirmation::TCancelConfirmation(TWindowSet& windows, const TWindowGeometry& table)
    : TSkinnedForm(table)
    , windows_(windows)
    , panel_(wiringOf(table).panel)
{
    const TCancelWiring& wiring = wiringOf(table);
    onClick(wiring.yes, [this] { answerYes(); });
    onClick(wiring.no, [this] { answerNo(); });
}

void TCancelConfirmation::answerYes()
{
    hideWindow();
    dynamic_cast<TModulePanel&>(windows_.find(panel_)).leave();
}

void TCancelConfirmation::answerNo()
{
    hideWindow();
}
