#pragma once

#include "shell/confirm/TCancelConfirmation.h"

// Asks before the logo panel is left without saving.
class Tcancelform4 : public TCancelConfirmation {
    Q_OBJECT
public:
    explicit Tcancelform4(TWindowSet& windows);

    void BitBtn1Click() { answerYes(); }
    void BitBtn2Click() { answerNo(); }
};
