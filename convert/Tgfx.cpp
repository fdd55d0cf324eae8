#include "convert/Tgfx.h"

#include "convert/TgfxGeometry.h"
#include "shell/skin/TFileDialog.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace {

constexpr const char* openFilter = "JPG / GIF Images|*.jpg;*.gif;*.jpeg";
constexpr const char* saveFilter = "Bitmap Images|*.bmp";
constexpr const char* saveExtension = "bmp";

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
    image("pic")->setScaledContents(true);
    converter_.setOnChanged([this] { showConversion(); });
    onClick("BitBtn1", [this] { Button2Click(); });
    onClick("BitBtn2", [this] { Button3Click(); });
    onClick("BitBtn3", [this] { Button1Click(); });
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
    return chosen(TFileDialog::openFile(this, openFilter));
}

std::optional<std::string> Tgfx::SaveDialog1Execute()
{
    return chosen(TFileDialog::saveFile(this, saveFilter, saveExtension));
}

void Tgfx::showConversion()
{
    edit("thefile")->setText(QString::fromLocal8Bit(converter_.FileName()));
    QLabel* pic = image("pic");
    const TPreviewBox& box = converter_.PreviewBox();
    pic->setGeometry(box.left, box.top, box.width, box.height);
    pic->raise();
    // A new picture always comes in a new buffer, so the buffer tells whether to draw it again.
    const std::vector<unsigned char>& picture = converter_.pic().Picture();
    if (picture.data() == shownPicture_ && picture.size() == shownPictureSize_)
        return;
    shownPicture_ = picture.data();
    shownPictureSize_ = picture.size();
    if (picture.empty())
        pic->clear();
    else
        pic->setPixmap(QPixmap::fromImage(converter_.PreviewImage()));
}
