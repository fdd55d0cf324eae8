#pragma once

#include "shell/skin/TSkinnedForm.h"

#include <QImage>
#include <string>

struct ThemeSettings;

// Shows a theme without applying it: its name, its wallpaper shrunk to fit, and each item it would
// change with the value. Read-only and not modal; Esc closes it.
class Tthemeview : public TSkinnedForm {
    Q_OBJECT
public:
    Tthemeview();

    // `picture` may be null, when the wallpaper can't be shown.
    void showTheme(const ThemeSettings& theme, const QImage& picture);

    void BitBtn1Click() { hideWindow(); }
    void BitBtn2Click() { hideWindow(); }
};
