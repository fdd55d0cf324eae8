#include "win32ui/confirm/TCancelConfirmation.h"

#include "shell/confirm/CancelWiring.h"
#include "win32ui/TWindowSet.h"

TCancelConfirmation::TCancelConfirmation(TWindowSet& windows, HWND owner, const TCancelWiring& wiring)
    : TSkinnedForm(wiring.table, owner)
    , windows_(windows)
    , panel_(wiring.panel)
{
    onClick(wiring.yes, [this] { answerYes(); });
    onClick(wiring.no, [this] { answerNo(); });
}

void TCancelConfirmation::answerYes()
{
    hideWindow();
    windows_.find(panel_).leave();
}

void TCancelConfirmation::answerNo()
{
    hideWindow();
}

std::unique_ptr<TSkinnedForm> makeCancelConfirmation(const TWindowGeometry& table, TWindowSet& windows, HWND owner)
{
    if (const TCancelWiring* wiring = findCancelWiring(table.name))
        return std::make_unique<TCancelConfirmation>(windows, owner, *wiring);
    return nullptr;
}
