#pragma once

#include "convert/TGifEventPump.h"
#include "convert/conversion/TPictureConverter.h"
#include "shell/skin/TSkinnedForm.h"

#include <optional>
#include <string>

class TWindowSet;

// The JPG / GIF to BMP converter window. It shows what its converter holds: the chosen path in
// thefile and the picture in pic, fitted into the preview box. The picture and path stay while the
// window is hidden.
class Tgfx : public TSkinnedForm {
    Q_OBJECT
public:
    // The converter reaches no other window.
    explicit Tgfx(TWindowSet&)
        : Tgfx()
    {
    }
    Tgfx();

    void Button1Click();
    void Button2Click();
    void Button3Click();

    const TPictureConverter& converter() const { return converter_; }

private:
    std::optional<std::string> OpenDialog1Execute();
    std::optional<std::string> SaveDialog1Execute();
    void showConversion();

    TGifEventPump eventPump_;
    TPictureConverter converter_ { &eventPump_ };
    unsigned shownPicture_ = 0;
};
