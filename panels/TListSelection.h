#pragma once

#include "cycle/CycleModule.h"

#include <QObject>
#include <functional>

class QListView;

// Follows one list control of a panel. A change of its selection by mouse or keyboard, and a click
// on the entry that is already selected, are the user's selection and go to `selected` with the
// selected row; a double-click goes to `doubleClicked`. While `following` is set the window moves
// the selection itself, and nothing goes on.
class TListSelection : public QObject {
    Q_OBJECT
public:
    using Row = CycleModule::Row;

    TListSelection(
        QListView* list, const bool& following, std::function<void(Row)> selected, std::function<void()> doubleClicked);
    ~TListSelection() override;

    // The control shows `row` selected, or nothing.
    void show(Row row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void userSelected();

    QListView* list_;
    const bool& following_;
    std::function<void(Row)> selected_;
    // A click on the entry that is already selected selects it afresh.
    bool selectedByThisPress_ = false;
};
