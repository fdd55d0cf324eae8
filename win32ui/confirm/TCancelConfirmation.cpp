#include "win32ui/confirm/TCancelConfirmation.h"

#include "shell/confirm/CancelGeometry.h"
#include "win32ui/TWindowSet.h"

#include <string_view>

namespace {

struct Confirmation {
    const TWindowGeometry& table;
    const char* panel;
    const char* yes;
    const char* no;
};

const Confirmation confirmations[] = {
    { TcancelformGeometry, "Tmurelloform", "paperyes", "paperno" },
    { Tcancelform2Geometry, "Ttonvikform", "BitBtn1", "BitBtn2" },
    { Tcancelform3Geometry, "Tsaverform", "BitBtn1", "BitBtn2" },
    { Tcancelform4Geometry, "Tlogoform", "BitBtn1", "BitBtn2" },
    { Tcancelform5Geometry, "Tthemeform", "BitBtn1", "BitBtn2" },
};

} // namespace

TCancelConfirmation::TCancelConfirmation(TWindowSet& windows, HWND owner, const TWindowGeometry& table,
    const char* panel, const char* yesButton, const char* noButton)
    : TSkinnedForm(table, owner)
    , windows_(windows)
    , panel_(panel)
{
    onClick(yesButton, [this] { answerYes(); });
    onClick(noButton, [this] { answerNo(); });
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
    for (const Confirmation& confirmation : confirmations)
        if (std::string_view(confirmation.table.name) == table.name)
            return std::make_unique<TCancelConfirmation>(
                windows, owner, confirmation.table, confirmation.panel, confirmation.yes, confirmation.no);
    return nullptr;
}
