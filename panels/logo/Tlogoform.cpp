#include "panels/logo/Tlogoform.h"

#include "cycle/CycleListModel.h"
#include "cycle/PosixSystem.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "panels/logo/TlogoformGeometry.h"
#include "panels/logo/Tlogorest.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform4.h"
#include "shell/help/Tbriskohelp.h"
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

Tlogoform::Tlogoform(TWindowSet& windows)
    : TSkinnedForm(TlogoformGeometry)
    , windows_(windows)
    , panel_(std::make_unique<LogoPanel>(
          windows.programDirectory(), machineRegistry(windows.programDirectory()), std::make_shared<PosixSystem>()))
{
    for (const std::string& message : panel_->load())
        TErrorBox::show(message);
    // Each refused bitmap gets its own box; the next file is examined once it is closed.
    panel_->setRefusalNotice([](const std::string& message) { TErrorBox::showError(message); });

    QListView* list = listBox("list");
    listModel_ = new CycleListModel(panel_->list(), this);
    list->setModel(listModel_);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, guarded([this] { listClick(); }));
    connect(list, &QListView::doubleClicked, this, guarded([this] { listDblClick(); }));
    connect(list, &QListView::clicked, this, guarded([this] {
        if (!selectedByThisPress_)
            listClick();
    }));
    list->viewport()->installEventFilter(this);

    onClick("enable", [this] { enableClick(); });
    onClick("ran", [this] { ranClick(); });
    onClick("BitBtn2", [this] { Button1Click(); });
    onClick("BitBtn3", [this] { Button2Click(); });
    onClick("BitBtn4", [this] { Button3Click(); });
    onClick("BitBtn5", [this] { Button4Click(); });
    onClick("BitBtn6", [this] { Button5Click(); });
    onClick("BitBtn7", [this] { Button6Click(); });
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn8", [this] { BitBtn8Click(); });
    onSystemClose([this] { BitBtn8Click(); });
    showSwitches();
}

Tlogoform::~Tlogoform()
{
    // The list model watches the panel's list, so it goes first.
    listBox("list")->viewport()->removeEventFilter(this);
    listBox("list")->setModel(nullptr);
    delete listModel_;
}

bool Tlogoform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == listBox("list")->viewport())
        selectedByThisPress_ = false;
    return TSkinnedForm::eventFilter(watched, event);
}

void Tlogoform::listClick()
{
    if (followingModel_)
        return;
    selectedByThisPress_ = true;
    QModelIndexList rows = listBox("list")->selectionModel()->selectedRows();
    LogoPanel::Row row;
    if (!rows.isEmpty())
        row = static_cast<std::size_t>(rows.front().row());
    try {
        panel_->select(row);
    } catch (...) {
        showPreview();
        throw;
    }
    showPreview();
}

void Tlogoform::listDblClick()
{
    panel_->chooseNext();
    showSwitches();
}

void Tlogoform::enableClick()
{
    panel_->setEnabled(checkBox("enable")->isChecked());
}

void Tlogoform::ranClick()
{
    panel_->setRandom(checkBox("ran")->isChecked());
}

LogoPanel::FileNames Tlogoform::chooseBitmaps()
{
    return TFileDialog::openFiles(this, "Bitmap files|*.bmp");
}

void Tlogoform::Button1Click()
{
    LogoPanel::FileNames files = chooseBitmaps();
    // While the model changes the list, the list control's own selection signals are not the user's.
    QScopedValueRollback<bool> following(followingModel_, true);
    try {
        panel_->add(files);
    } catch (...) {
        showSelection();
        throw;
    }
    showSelection();
}

void Tlogoform::Button2Click()
{
    LogoPanel::FileNames files = chooseBitmaps();
    QScopedValueRollback<bool> following(followingModel_, true);
    try {
        panel_->insert(files);
    } catch (...) {
        showSelection();
        throw;
    }
    showSelection();
}

void Tlogoform::Button3Click()
{
    QScopedValueRollback<bool> following(followingModel_, true);
    try {
        panel_->remove();
    } catch (...) {
        showSelection();
        throw;
    }
    showSelection();
    showSwitches();
}

void Tlogoform::Button4Click()
{
    panel_->save();
    windows_.returnToControlCenter(*this);
}

void Tlogoform::Button5Click()
{
    windows_.cancelform4().showWindow();
}

void Tlogoform::Button6Click()
{
    windows_.briskohelp().showWindow();
}

// The information window opens beside the panel, which stays open.
void Tlogoform::BitBtn1Click()
{
    if (panel_->restore())
        windows_.logorest().showWindow();
}

// Leaves without saving and without asking; the edits stay in memory.
void Tlogoform::BitBtn8Click()
{
    windows_.returnToControlCenter(*this);
}

void Tlogoform::showSelection()
{
    QListView* list = listBox("list");
    if (LogoPanel::Row row = panel_->selected()) {
        QModelIndex index = listModel_->index(static_cast<int>(*row));
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        list->selectionModel()->clearSelection();
    }
}

void Tlogoform::showSwitches()
{
    checkBox("enable")->setChecked(panel_->controls().enabled);
    checkBox("ran")->setChecked(panel_->controls().random);
    edit("next")->setText(shown(panel_->controls().next));
}

void Tlogoform::showPreview()
{
    const LogoPreview& preview = panel_->preview();
    QLabel* picture = image("preview");
    if (preview.inFront())
        picture->raise();
    picture->setPixmap(QPixmap::fromImage(preview.picture()));
    edit("dimensions")->setText(shown(preview.dimensions()));
}
