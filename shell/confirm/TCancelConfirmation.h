#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// The question a module panel asks before it is left without saving. The five confirmations differ
// only in their table (names, colours, question) and in the panel they belong to. Not modal: the
// panel stays usable behind it, even to save.
class TCancelConfirmation : public TSkinnedForm {
    Q_OBJECT
public:
    using PanelOf = TSkinnedForm& (*)(TWindowSet&);

    TCancelConfirmation(
        TWindowSet& windows, const TWindowGeometry& table, PanelOf panel, const char* yesButton, const char* noButton);

    // Leaves the panel without writing or undoing anything: its edits are still there when it is
    // opened again.
    void answerYes();
    void answerNo();

private:
    TWindowSet& windows_;
    PanelOf panel_;
};
