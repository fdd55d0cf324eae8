#include "win32ui/convert/Tgfx.h"

#include "convert/TgfxGeometry.h"
#include "convert/TgfxWiring.h"
#include "win32ui/skin/TFileDialog.h"

namespace {

std::optional<std::string> chosen(std::string path)
{
    if (path.empty())
        return std::nullopt;
    return path;
}

// The preview box is given in window coordinates; the picture control starts at its designed place.
const TControlGeometry& previewControl()
{
    for (const TControlGeometry& control : TgfxGeometry.controls)
        if (std::string_view(control.name) == TgfxWiring::preview)
            return control;
    throw std::logic_error("the converter has no preview control");
}

} // namespace

Tgfx::Tgfx(TWindowSet& windows, HWND owner)
    : TSkinnedForm(TgfxGeometry, owner)
    , eventPump_(windows)
{
    setIcon("gfx");
    converter_.setOnChanged([this] { showConversion(); });
    onClick(TgfxWiring::load, [this] { Button2Click(); });
    onClick(TgfxWiring::save, [this] { Button3Click(); });
    onClick(TgfxWiring::exit, [this] { Button1Click(); });
    onSystemClose([this] { Button1Click(); });
}

// Exit, Load and Save pressed while a GIF load lets messages run are ignored: the load still owns
// its GIF file object and the picture it is replacing.
void Tgfx::Button1Click()
{
    if (converter_.Exit())
        hideWindow();
}

void Tgfx::Button2Click()
{
    converter_.Load([this] { return chosen(TFileDialog::openFile(handle(), TgfxWiring::openFilter)); });
}

void Tgfx::Button3Click()
{
    converter_.Save(
        [this] { return chosen(TFileDialog::saveFile(handle(), TgfxWiring::saveFilter, TgfxWiring::saveExtension)); });
}

void Tgfx::showConversion()
{
    setText(TgfxWiring::fileName, converter_.FileName());
    const TPreviewBox& box = converter_.PreviewBox();
    if (converter_.PictureChanges() == shownPicture_ && box == shownBox_)
        return;
    shownPicture_ = converter_.PictureChanges();
    shownBox_ = box;
    const TPreviewPicture& preview = converter_.Preview();
    if (preview.empty()) {
        clearPicture(TgfxWiring::preview);
        return;
    }
    const TControlGeometry& pic = previewControl();
    setPicture(TgfxWiring::preview, preview.pixels.data(), preview.width, preview.height, box.left - pic.x,
        box.top - pic.y, box.width, box.height);
}
