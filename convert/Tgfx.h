#pragma once

#include "shell/skin/TSkinnedForm.h"

class TWindowSet;

// The JPG / GIF to BMP converter window.
class Tgfx : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tgfx(TWindowSet& windows);

    void Button1Click();
};
