#pragma once

#include "shell/confirm/TCancelConfirmation.h"

// Asks before the theme panel is left without saving.
class Tcancelform5 : public TCancelConfirmation {
    Q_OBJECT
public:
    explicit Tcancelform5(TWindowSet& windows);

    void BitBtn1Click() { answerYes(); }
    void BitBtn2Click() { answerNo(); }
};
