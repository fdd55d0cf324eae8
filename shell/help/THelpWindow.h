#pragma once

#include "shell/skin/TSkinnedForm.h"

#include <string>
#include <vector>

// A panel's help: an ordinary bordered window with the panel's help text, an OK button that has
// the focus and answers Esc, and the panel's name in bold. Not modal.
class THelpWindow : public TSkinnedForm {
    Q_OBJECT
public:
    // The help text comes from the resource named after the window; an icon name of "" keeps the
    // application's icon.
    THelpWindow(const TWindowGeometry& table, const char* icon = "");

    // Hides the help window and nothing else.
    void Button1Click();

    // The lines of a window's help text, as stored in the program's resources.
    static std::vector<std::string> textLines(const char* window);

protected:
    void showEvent(QShowEvent* event) override;
};
