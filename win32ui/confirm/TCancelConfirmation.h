#pragma once

#include "win32ui/skin/TSkinnedForm.h"

struct TCancelWiring;
class TWindowSet;

// The question a module panel asks before it is left without saving (Tcancelform to Tcancelform5):
// alike but for their table (names, colours, question) and their panel. Not modal: the panel
// stays usable behind it, even to save.
class TCancelConfirmation : public TSkinnedForm {
public:
    TCancelConfirmation(TWindowSet& windows, HWND owner, const TCancelWiring& wiring);

    // Leaves the panel without writing anything: it reads its files again.
    void answerYes();
    void answerNo();

private:
    TWindowSet& windows_;
    const char* panel_;
};

// The five confirmations by window class; nullptr for any other class.
std::unique_ptr<TSkinnedForm> makeCancelConfirmation(const TWindowGeometry& table, TWindowSet& windows, HWND owner);
