#include "panels/theme/Tthemeform.h"

#include "convert/jpeg/TJPEGImage.h"
#include "cycle/PosixSystem.h"
#include "panels/theme/ThemePreview.h"
#include "panels/theme/ThemeShell.h"
#include "panels/theme/TthemeformGeometry.h"
#include "panels/theme/TthemeformWiring.h"
#include "panels/theme/Tthemeview.h"
#include "panels/wallpaper/FileExtension.h"
#include "panels/wallpaper/PictureImage.h"
#include "shell/TWindowSet.h"

#include <QImage>
#include <cctype>

namespace {

// Desktop themes often bring JPEG wallpapers; they are decoded as the converter decodes them.
QImage wallpaperPicture(const std::string& path)
{
    std::string extension = fileExtension(path);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension != "jpg" && extension != "jpeg")
        return loadPictureImage(path);
    TJPEGImage jpeg;
    jpeg.setNumOfColors(TNumOfColors::TrueColor);
    jpeg.setFileName(path);
    const std::vector<unsigned char>& bitmap = jpeg.Picture();
    return QImage::fromData(bitmap.data(), static_cast<int>(bitmap.size()), "BMP");
}

} // namespace

Tthemeform::Tthemeform(TWindowSet& windows)
    : Tthemeform(windows,
        makeThemeShell(std::make_shared<PosixSystem>(), windows.programDirectory(),
            [this](const ThemePreview& theme) { showTheme(theme); }))
{
}

Tthemeform::~Tthemeform() = default;

Tthemeform::Tthemeform(TWindowSet& windows, std::shared_ptr<System> shell)
    : TCyclePanel(TthemeformGeometry, windows, TthemeformWiring::verbs)
    , panel_(std::make_unique<ThemePanel>(windows.programDirectory(), std::move(shell)))
    , themeview_(std::make_unique<Tthemeview>())
{
    showPanel(*panel_, TthemeformWiring::list, TthemeformWiring::edits);
    describeSaves({ "Theme" });
    onClick(TthemeformWiring::open, [this] { panel_->open(); });
}

// A wallpaper that can't be shown leaves the picture out; the rest of the theme is still shown.
void Tthemeform::showTheme(const ThemePreview& theme)
{
    QImage picture;
    if (theme.wallpaper()) {
        try {
            picture = wallpaperPicture(*theme.wallpaper());
        } catch (const std::exception&) {
        }
    }
    themeview_->showTheme(theme, picture);
}
