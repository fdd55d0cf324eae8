#pragma once

#include "convert/conversion/TPictureConverter.h"
#include "win32ui/convert/TGifEventPump.h"
#include "win32ui/skin/TSkinnedForm.h"

class TWindowSet;

// The JPG / GIF to BMP converter window on Windows: the same converter as the Qt window, shown in
// the same controls. The picture and path stay while the window is hidden.
class Tgfx : public TSkinnedForm {
public:
    // The converter reaches no other window; a GIF load hands the keys to the window set.
    Tgfx(TWindowSet& windows, HWND owner);

    void Button1Click();
    void Button2Click();
    void Button3Click();

    const TPictureConverter& converter() const { return converter_; }

private:
    void showConversion();

    TGifEventPump eventPump_;
    TPictureConverter converter_ { &eventPump_ };
    unsigned shownPicture_ = 0;
    TPreviewBox shownBox_;
};
