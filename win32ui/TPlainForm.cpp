#include "win32ui/TPlainForm.h"

#include "win32ui/TWindowSet.h"

TPlainForm::TPlainForm(const TWindowGeometry& table, TWindowSet& windows, HWND owner)
    : TSkinnedForm(table, owner)
    , windows_(windows)
{
    if (*table.cancelButton)
        onClick(table.cancelButton, [this] { leave(); });
    for (const TControlGeometry& control : table.controls)
        if (control.kind == TControlKind::BitmapButton && control.glyph == TGlyph::Cross)
            onClick(control.name, [this] { leave(); });
    onSystemClose([this] { leave(); });
}

void TPlainForm::leave()
{
    windows_.returnToControlCenter(*this);
}
