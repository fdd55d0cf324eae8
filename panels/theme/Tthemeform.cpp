#include "panels/theme/Tthemeform.h"

#include "convert/jpeg/TJPEGImage.h"
#include "cycle/PosixSystem.h"
#include "panels/theme/ThemeModule.h"
#include "panels/theme/ThemeSettings.h"
#include "panels/theme/ThemeShell.h"
#include "panels/theme/TthemeformGeometry.h"
#include "panels/theme/Tthemeview.h"
#include "panels/wallpaper/PictureFile.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform5.h"
#include "shell/help/Tthemehelp.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TFileDialog.h"

#include <QImage>
#include <QListView>
#include <cctype>

namespace {

// Desktop themes often bring JPEG wallpapers; they are decoded as the converter decodes them.
QImage wallpaperPicture(const std::string& path)
{
    std::string extension = fileExtension(path);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension != "jpg" && extension != "jpeg")
        return loadPictureFile(path);
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
            [this](const ThemeSettings& theme) { showTheme(theme); }))
{
}

Tthemeform::~Tthemeform() = default;

Tthemeform::Tthemeform(TWindowSet& windows, std::shared_ptr<System> shell)
    : TModulePanel(TthemeformGeometry, windows,
        { "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn8", [](TWindowSet& w) { w.cancelform5().showWindow(); },
            [](TWindowSet& w) { w.themehelp().showWindow(); } },
        themeModule(shell), { { "list", "enable", "ran", "next" } })
    , shell_(std::move(shell))
    , themeview_(std::make_unique<Tthemeview>())
{
    QListView* list = listBox("list");
    connect(list, &QListView::doubleClicked, this, guarded([this] { listDblClick(); }));
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
    onClick("BitBtn3", [this] { BitBtn3Click(); });
    onClick("BitBtn7", [this] { BitBtn7Click(); });
}

CycleModule::Row Tthemeform::selectedRow() const
{
    QModelIndexList rows = listBox("list")->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(rows.front().row());
}

void Tthemeform::selectRow(CycleModule::Row row)
{
    QListView* list = listBox("list");
    if (row)
        list->selectionModel()->setCurrentIndex(
            list->model()->index(static_cast<int>(*row), 0), QItemSelectionModel::ClearAndSelect);
    else
        list->selectionModel()->clearSelection();
}

CycleModule::FileNames Tthemeform::chooseThemes()
{
    return TFileDialog::openFiles(this, "Theme Files|*.theme");
}

void Tthemeform::listDblClick()
{
    model().chooseNext(selectedRow());
    showModel();
}

void Tthemeform::BitBtn1Click()
{
    model().add(chooseThemes());
}

void Tthemeform::BitBtn2Click()
{
    CycleModule::FileNames files = chooseThemes();
    selectRow(model().insert(files, selectedRow()));
}

void Tthemeform::BitBtn3Click()
{
    CycleModule::Row selected = selectedRow();
    // The entry is gone even when the next field then fails to read as a number.
    selectRow(std::nullopt);
    try {
        model().remove(selected);
    } catch (...) {
        showModel();
        throw;
    }
    showModel();
}

void Tthemeform::BitBtn7Click()
{
    openSelectedTheme(*shell_, model().list(), selectedRow());
}

// A wallpaper that can't be shown leaves the picture out; the rest of the theme is still shown.
void Tthemeform::showTheme(const ThemeSettings& theme)
{
    QImage picture;
    if (theme.wallpaper) {
        try {
            picture = wallpaperPicture(*theme.wallpaper);
        } catch (const std::exception&) {
        }
    }
    themeview_->showTheme(theme, picture);
}
