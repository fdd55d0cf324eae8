#pragma once

#include "shell/skin/TSkinnedForm.h"

#include <QImage>

class QStandardItemModel;
class ThemePreview;

// Shows a theme without applying it, as its ThemePreview has it: the name, the wallpaper shrunk to
// fit, and one row per item it would change, colours with a swatch. Long rows scroll sideways.
// Read-only and not modal; Esc closes it.
class Tthemeview : public TSkinnedForm {
    Q_OBJECT
public:
    Tthemeview();

    // `picture` may be null, when the wallpaper can't be shown.
    void showTheme(const ThemePreview& theme, const QImage& picture);

    void BitBtn1Click() { hideWindow(); }
    void BitBtn2Click() { hideWindow(); }

private:
    QStandardItemModel* items_;
};
