#pragma once

#include "shell/confirm/TCancelConfirmation.h"

// Asks before the wallpaper panel is left without saving.
class Tcancelform : public TCancelConfirmation {
    Q_OBJECT
public:
    explicit Tcancelform(TWindowSet& windows);

    void paperyesClick() { answerYes(); }
    void papernoClick() { answerNo(); }
};
