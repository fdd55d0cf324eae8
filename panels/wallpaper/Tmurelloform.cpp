#include "panels/wallpaper/Tmurelloform.h"

#include "convert/Tgfx.h"
#include "cycle/CycleListModel.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "panels/wallpaper/TmurelloformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform.h"
#include "shell/help/Thelp2.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TFileDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScopedValueRollback>

namespace {

// The start-up has made the machine; a store that is missing even so is reported when Save uses it.
std::shared_ptr<Registry> machineRegistry(const std::string& programDirectory)
{
    return std::make_shared<RegistryFile>(StandInMachine(programDirectory).registryPath());
}

QString shown(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Tmurelloform::Tmurelloform(TWindowSet& windows)
    : TSkinnedForm(TmurelloformGeometry)
    , windows_(windows)
    , panel_(std::make_unique<WallpaperPanel>(windows.programDirectory(), machineRegistry(windows.programDirectory())))
{
    QFont large = edit("next")->font();
    large.setPointSize(10);
    edit("next")->setFont(large);
    checkBox("tile")->setFont(large);
    checkBox("ran")->setFont(large);
    checkBox("enable")->setFont(large);

    for (const std::string& message : panel_->load())
        TErrorBox::show(message);

    QListView* list = listBox("List");
    listModel_ = new CycleListModel(panel_->list(), this);
    list->setModel(listModel_);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, guarded([this] { ListClick(); }));
    connect(list, &QListView::doubleClicked, this, guarded([this] { ListDblClick(); }));
    connect(list, &QListView::clicked, this, guarded([this] {
        if (!selectedByThisPress_)
            ListClick();
    }));
    list->viewport()->installEventFilter(this);

    onClick("tile", [this] { tileClick(); });
    onClick("ran", [this] { ranClick(); });
    onClick("enable", [this] { enableClick(); });
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
    onClick("BitBtn3", [this] { BitBtn3Click(); });
    onClick("BitBtn4", [this] { BitBtn4Click(); });
    onClick("BitBtn5", [this] { BitBtn5Click(); });
    onClick("BitBtn6", [this] { BitBtn6Click(); });
    onClick("BitBtn7", [this] { BitBtn7Click(); });
    onClick("BitBtn8", [this] { BitBtn8Click(); });
    onClick("BitBtn9", [this] { BitBtn9Click(); });
    onClick("BitBtn11", [this] { BitBtn11Click(); });
    onSystemClose([this] { BitBtn11Click(); });
    showSwitches();
}

Tmurelloform::~Tmurelloform()
{
    // The list model watches the panel's list, so it goes first.
    listBox("List")->viewport()->removeEventFilter(this);
    listBox("List")->setModel(nullptr);
    delete listModel_;
}

bool Tmurelloform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == listBox("List")->viewport())
        selectedByThisPress_ = false;
    return TSkinnedForm::eventFilter(watched, event);
}

void Tmurelloform::ListClick()
{
    if (followingModel_)
        return;
    selectedByThisPress_ = true;
    QModelIndexList rows = listBox("List")->selectionModel()->selectedRows();
    WallpaperPanel::Row row;
    if (!rows.isEmpty())
        row = static_cast<std::size_t>(rows.front().row());
    try {
        panel_->select(row);
    } catch (...) {
        showPreview();
        throw;
    }
    showPreview();
    showSwitches();
}

void Tmurelloform::ListDblClick()
{
    panel_->chooseNext();
    showSwitches();
}

void Tmurelloform::tileClick()
{
    panel_->clickTile(checkBox("tile")->isChecked());
}

void Tmurelloform::ranClick()
{
    panel_->setRandom(checkBox("ran")->isChecked());
}

void Tmurelloform::enableClick()
{
    panel_->setEnabled(checkBox("enable")->isChecked());
}

WallpaperPanel::FileNames Tmurelloform::chooseBitmaps()
{
    return TFileDialog::openFiles(this, "Bitmap Image|*.bmp");
}

void Tmurelloform::BitBtn1Click()
{
    WallpaperPanel::FileNames files = chooseBitmaps();
    // While the model changes the list, the list control's own selection signals are not the user's.
    QScopedValueRollback<bool> following(followingModel_, true);
    panel_->add(files);
    showSelection();
}

void Tmurelloform::BitBtn2Click()
{
    WallpaperPanel::FileNames files = chooseBitmaps();
    QScopedValueRollback<bool> following(followingModel_, true);
    panel_->insert(files);
    showSelection();
}

void Tmurelloform::BitBtn3Click()
{
    QScopedValueRollback<bool> following(followingModel_, true);
    panel_->remove();
    showSelection();
    showSwitches();
}

// The converter opens beside the panel, which stays open.
void Tmurelloform::BitBtn4Click()
{
    windows_.gfx().showWindow();
}

void Tmurelloform::BitBtn5Click()
{
    panel_->tileAll();
    showSwitches();
}

void Tmurelloform::BitBtn6Click()
{
    panel_->untileAll();
    showSwitches();
}

void Tmurelloform::BitBtn7Click()
{
    QScopedValueRollback<bool> following(followingModel_, true);
    try {
        panel_->save();
    } catch (...) {
        showSelection();
        throw;
    }
    showSelection();
    windows_.returnToControlCenter(*this);
}

void Tmurelloform::BitBtn8Click()
{
    windows_.cancelform().showWindow();
}

void Tmurelloform::BitBtn9Click()
{
    windows_.help2().showWindow();
}

// Leaves without saving and without asking; the edits stay in memory.
void Tmurelloform::BitBtn11Click()
{
    windows_.returnToControlCenter(*this);
}

void Tmurelloform::showSelection()
{
    QListView* list = listBox("List");
    if (WallpaperPanel::Row row = panel_->selected()) {
        QModelIndex index = listModel_->index(static_cast<int>(*row));
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        list->selectionModel()->clearSelection();
    }
}

void Tmurelloform::showSwitches()
{
    checkBox("tile")->setChecked(panel_->tileTicked());
    checkBox("ran")->setChecked(panel_->controls().random);
    checkBox("enable")->setChecked(panel_->controls().enabled);
    edit("next")->setText(shown(panel_->controls().next));
}

void Tmurelloform::showPreview()
{
    const WallpaperPreview& preview = panel_->preview();
    const PreviewArea& area = preview.area();
    QLabel* pic = image("pic");
    pic->setGeometry(area.left, area.top, area.width, area.height);
    pic->setPixmap(QPixmap::fromImage(preview.picture()));
    pic->raise();
    edit("picwidth")->setText(shown(preview.widthText()));
    edit("picheight")->setText(shown(preview.heightText()));
}
