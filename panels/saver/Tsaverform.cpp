#include "panels/saver/Tsaverform.h"

#include "cycle/CycleListModel.h"
#include "cycle/PosixSystem.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "panels/saver/TsaverformGeometry.h"
#include "shell/TWindowSet.h"
#include "shell/confirm/Tcancelform3.h"
#include "shell/help/Tsaverhelp.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TFileDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>

namespace {

// The start-up has made the machine; a store that is missing even so is reported when Save uses it.
std::shared_ptr<Registry> machineRegistry(const std::string& programDirectory)
{
    return std::make_shared<RegistryFile>(StandInMachine(programDirectory).registryPath());
}

} // namespace

Tsaverform::Tsaverform(TWindowSet& windows, std::shared_ptr<System> system)
    : TSkinnedForm(TsaverformGeometry)
    , windows_(windows)
    , panel_(std::make_unique<SaverPanel>(windows.programDirectory(), machineRegistry(windows.programDirectory()),
          system ? std::move(system) : std::make_shared<PosixSystem>()))
{
    for (const std::string& message : panel_->load())
        TErrorBox::show(message);

    QListView* list = listBox("list");
    listModel_ = new CycleListModel(panel_->list(), this);
    list->setModel(listModel_);
    connect(list, &QListView::doubleClicked, this, guarded([this] { listDblClick(); }));

    onClick("BitBtn1", [this] { Button1Click(); });
    onClick("BitBtn2", [this] { Button2Click(); });
    onClick("BitBtn3", [this] { Button3Click(); });
    onClick("BitBtn4", [this] { Button9Click(); });
    onClick("BitBtn5", [this] { Button7Click(); });
    onClick("BitBtn6", [this] { Button4Click(); });
    onClick("BitBtn7", [this] { Button5Click(); });
    onClick("BitBtn8", [this] { Button6Click(); });
    onClick("BitBtn9", [this] { BitBtn9Click(); });
    onSystemClose([this] { BitBtn9Click(); });

    checkBox("enable")->setChecked(panel_->controls().enabled);
    checkBox("ran")->setChecked(panel_->controls().random);
    showNext();
}

Tsaverform::~Tsaverform()
{
    // The list model watches the panel's list, so it goes first.
    listBox("list")->setModel(nullptr);
    delete listModel_;
}

SaverPanel::FileNames Tsaverform::chooseScreenSavers()
{
    return TFileDialog::openFiles(this, "ScreenSaver Files|*.scr");
}

void Tsaverform::Button1Click()
{
    SaverPanel::FileNames files = chooseScreenSavers();
    panel_->add(files);
}

void Tsaverform::Button2Click()
{
    SaverPanel::FileNames files = chooseScreenSavers();
    takeSelection();
    panel_->insert(files);
    showSelection();
}

void Tsaverform::Button3Click()
{
    takeSelection();
    try {
        panel_->remove();
    } catch (...) {
        showSelection();
        showNext();
        throw;
    }
    showSelection();
    showNext();
}

void Tsaverform::Button9Click()
{
    takeSelection();
    panel_->preview();
}

void Tsaverform::Button7Click()
{
    takeSelection();
    panel_->options();
}

void Tsaverform::Button4Click()
{
    panel_->setEnabled(checkBox("enable")->isChecked());
    panel_->setRandom(checkBox("ran")->isChecked());
    panel_->save();
    windows_.returnToControlCenter(*this);
}

void Tsaverform::Button5Click()
{
    windows_.cancelform3().showWindow();
}

void Tsaverform::Button6Click()
{
    windows_.saverhelp().showWindow();
}

// Leaves without saving and without asking; the edits stay in memory.
void Tsaverform::BitBtn9Click()
{
    windows_.returnToControlCenter(*this);
}

void Tsaverform::listDblClick()
{
    takeSelection();
    panel_->chooseNext();
    showNext();
}

void Tsaverform::takeSelection()
{
    QModelIndexList rows = listBox("list")->selectionModel()->selectedRows();
    SaverPanel::Row row;
    if (!rows.isEmpty())
        row = static_cast<std::size_t>(rows.front().row());
    panel_->select(row);
}

void Tsaverform::showSelection()
{
    QListView* list = listBox("list");
    if (SaverPanel::Row row = panel_->selected()) {
        QModelIndex index = listModel_->index(static_cast<int>(*row));
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        list->selectionModel()->clearSelection();
    }
}

void Tsaverform::showNext()
{
    const std::string& next = panel_->controls().next;
    edit("next")->setText(QString::fromLocal8Bit(next.data(), static_cast<qsizetype>(next.size())));
}
