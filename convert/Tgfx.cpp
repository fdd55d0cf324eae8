#include "convert/Tgfx.h"

#include "convert/TgfxGeometry.h"
#include "convert/TgfxWiring.h"
#include "shell/skin/TFileDialog.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace {

std::optional<std::string> chosen(std::string path)
{
    if (path.empty())
        return std::nullopt;
    return path;
}

} // namespace

Tgfx::Tgfx()
    : TSkinnedForm(TgfxGeometry)
{
    setWindowIcon(QIcon(QString::fromStdString(":/" + iconResource("gfx"))));
    image(TgfxWiring::preview)->setScaledContents(true);
    converter_.setOnChanged([this] { showConversion(); });
    onClick(TgfxWiring::load, [this] { Button2Click(); });
    onClick(TgfxWiring::save, [this] { Button3Click(); });
    onClick(TgfxWiring::exit, [this] { Button1Click(); });
    onSystemClose([this] { Button1Click(); });
}

// Exit, Load and Save pressed while a GIF load lets events run are ignored: the load still owns
// its GIF file object and the picture it is replacing.
void Tgfx::Button1Click()
{
    if (converter_.Exit())
        hideWindow();
}

void Tgfx::Button2Click()
{
    converter_.Load([this] { return OpenDialog1Execute(); });
}

void Tgfx::Button3Click()
{
    converter_.Save([this] { return SaveDialog1Execute(); });
}

std::optional<std::string> Tgfx::OpenDialog1Execute()
{
    return chosen(TFileDialog::openFile(this, TgfxWiring::openFilter));
}

std::optional<std::string> Tgfx::SaveDialog1Execute()
{
    return chosen(TFileDialog::saveFile(this, TgfxWiring::saveFilter, TgfxWiring::saveExtension));
}

void Tgfx::showConversion()
{
    edit(TgfxWiring::fileName)->setText(QString::fromLocal8Bit(converter_.FileName()));
    QLabel* pic = image(TgfxWiring::preview);
    const TPreviewBox& box = converter_.PreviewBox();
    pic->setGeometry(box.left, box.top, box.width, box.height);
    pic->raise();
    if (converter_.PictureChanges() == shownPicture_)
        return;
    shownPicture_ = converter_.PictureChanges();
    const TPreviewPicture& preview = converter_.Preview();
    if (preview.empty()) {
        pic->clear();
        return;
    }
    // The image only borrows the preview's pixels; the pixmap gets its own copy.
    const QImage image(reinterpret_cast<const uchar*>(preview.pixels.data()), preview.width, preview.height,
        preview.width * 4, QImage::Format_RGB32);
    pic->setPixmap(QPixmap::fromImage(image.copy()));
}
