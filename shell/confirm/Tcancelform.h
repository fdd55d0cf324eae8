#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// Asks before the wallpaper panel is left without saving; not modal.
class Tcancelform : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tcancelform(TWindowSet& windows);

    void paperyesClick();
    void papernoClick();

private:
    TWindowSet& windows_;
};
