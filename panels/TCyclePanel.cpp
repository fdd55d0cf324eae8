#include "panels/TCyclePanel.h"

#include "shell/skin/TErrorBox.h"
#include "shell/skin/TFileDialog.h"

#include <QEvent>
#include <QListView>
#include <QScopedValueRollback>

TCyclePanel::~TCyclePanel()
{
    if (list_)
        listBox(list_)->viewport()->removeEventFilter(this);
}

void TCyclePanel::showPanel(CyclePanel& panel, const ListControls& controls, const EditButtons& edits)
{
    panel_ = &panel;
    list_ = controls.list;
    fileFilter_ = edits.fileFilter;
    for (const std::string& message : panel.load())
        TErrorBox::show(message);
    showLists(panel.sharedCycle(), { controls });

    QListView* list = listBox(list_);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, guarded([this] { listClick(); }));
    connect(list, &QListView::doubleClicked, this, guarded([this] { listDblClick(); }));
    connect(list, &QListView::clicked, this, guarded([this] {
        if (!selectedByThisPress_)
            listClick();
    }));
    list->viewport()->installEventFilter(this);

    onClick(edits.add, [this] { addClick(); });
    onClick(edits.insert, [this] { insertClick(); });
    onClick(edits.remove, [this] { removeClick(); });
}

bool TCyclePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && list_ && watched == listBox(list_)->viewport())
        selectedByThisPress_ = false;
    return TModulePanel::eventFilter(watched, event);
}

void TCyclePanel::listClick()
{
    if (followingModel_)
        return;
    selectedByThisPress_ = true;
    QModelIndexList rows = listBox(list_)->selectionModel()->selectedRows();
    CyclePanel::Row row;
    if (!rows.isEmpty())
        row = static_cast<std::size_t>(rows.front().row());
    try {
        panel_->select(row);
    } catch (...) {
        showEntry();
        throw;
    }
    showEntry();
    showSwitches();
}

void TCyclePanel::listDblClick()
{
    panel_->chooseNext();
    showSwitches();
}

CyclePanel::FileNames TCyclePanel::chooseFiles()
{
    return TFileDialog::openFiles(this, fileFilter_);
}

void TCyclePanel::addClick()
{
    CyclePanel::FileNames files = chooseFiles();
    change([&] { panel_->add(files); });
}

void TCyclePanel::insertClick()
{
    CyclePanel::FileNames files = chooseFiles();
    change([&] { panel_->insert(files); });
}

void TCyclePanel::removeClick()
{
    change([this] { panel_->remove(); });
}

void TCyclePanel::saveModel()
{
    change([this] { panel_->save(); });
}

void TCyclePanel::change(const std::function<void()>& edit)
{
    QScopedValueRollback<bool> following(followingModel_, true);
    try {
        edit();
    } catch (...) {
        showSelection();
        showSwitches();
        throw;
    }
    showSelection();
    showSwitches();
}

void TCyclePanel::showSelection()
{
    QListView* list = listBox(list_);
    if (CyclePanel::Row row = panel_->selected()) {
        QModelIndex index = list->model()->index(static_cast<int>(*row), 0);
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        list->selectionModel()->clearSelection();
    }
}
