#include "shell/confirm/TCancelConfirmation.h"

#include "panels/TModulePanel.h"
#include "shell/TWindowSet.h"

TCancelConfirmation::TCancelConfirmation(
    TWindowSet& windows, const TWindowGeometry& table, PanelOf panel, const char* yesButton, const char* noButton)
    : TSkinnedForm(table)
    , windows_(windows)
    , panel_(panel)
{
    onClick(yesButton, [this] { answerYes(); });
    onClick(noButton, [this] { answerNo(); });
}

void TCancelConfirmation::answerYes()
{
    hideWindow();
    panel_(windows_).leave();
}

void TCancelConfirmation::answerNo()
{
    hideWindow();
}
