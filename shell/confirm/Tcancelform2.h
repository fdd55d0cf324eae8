#pragma once

#include "shell/confirm/TCancelConfirmation.h"

// Asks before the sound panel is left without saving.
class Tcancelform2 : public TCancelConfirmation {
    Q_OBJECT
public:
    explicit Tcancelform2(TWindowSet& windows);

    void BitBtn1Click() { answerYes(); }
    void BitBtn2Click() { answerNo(); }
};
