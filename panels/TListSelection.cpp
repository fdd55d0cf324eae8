#include "panels/TListSelection.h"

#include "shell/skin/TErrorBox.h"

#include <QEvent>
#include <QListView>

TListSelection::TListSelection(
    QListView* list, const bool& following, std::function<void(Row)> selected, std::function<void()> doubleClicked)
    : list_(list)
    , following_(following)
    , selected_(std::move(selected))
{
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, guarded([this] { userSelected(); }));
    connect(list, &QListView::doubleClicked, this, guarded(std::move(doubleClicked)));
    connect(list, &QListView::clicked, this, guarded([this] {
        if (!selectedByThisPress_)
            userSelected();
    }));
    list->viewport()->installEventFilter(this);
}

TListSelection::~TListSelection()
{
    list_->viewport()->removeEventFilter(this);
}

bool TListSelection::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == list_->viewport())
        selectedByThisPress_ = false;
    return QObject::eventFilter(watched, event);
}

void TListSelection::userSelected()
{
    if (following_)
        return;
    selectedByThisPress_ = true;
    QModelIndexList rows = list_->selectionModel()->selectedRows();
    Row row;
    if (!rows.isEmpty())
        row = static_cast<std::size_t>(rows.front().row());
    selected_(row);
}

void TListSelection::show(Row row)
{
    if (row) {
        QModelIndex index = list_->model()->index(static_cast<int>(*row), 0);
        list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        list_->selectionModel()->clearSelection();
    }
}
