#include "shell/confirm/TCancelConfirmation.h"

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
    panel_(windows_).hideWindow();
    hideWindow();
    windows_.mainWindow().showWindow();
}

void TCancelConfirmation::answerNo()
{
    hideWindow();
}
