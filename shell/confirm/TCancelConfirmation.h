#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// The question a module panel asks before it is left without saving. The five confirmations differ
// only in their table (names, colours, question) and in the panel they belong to. Not modal: the
// panel stays usable behind it, even to save.
class TCancelConfirmation : public TSkinnedForm {
    Q_OBJECT
public:
    // Its panel and its Yes and No buttons are the table's (shell/confirm/CancelWiring.h).
    TCancelConfirmation(TWindowSet& windows, const TWindowGeometry& table);

    // Leaves the panel without writing anything: it is read again from its files.
    void answerYes();
    void answerNo();

private:
    TWindowSet& windows_;
    const char* panel_;
};
