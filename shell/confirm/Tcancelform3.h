#pragma once

#include "shell/confirm/TCancelConfirmation.h"

// Asks before the screen-saver panel is left without saving.
class Tcancelform3 : public TCancelConfirmation {
    Q_OBJECT
public:
    explicit Tcancelform3(TWindowSet& windows);

    void BitBtn1Click() { answerYes(); }
    void BitBtn2Click() { answerNo(); }
};
