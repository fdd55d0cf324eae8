#pragma once

#include "cycle/CycleListObserver.h"

#include <QAbstractListModel>

class CycleList;

// Shows a cycle list in a list view, one path per row. It follows the list's changes row by row,
// so a view over a long list only lays out what was inserted or removed.
class CycleListModel : public QAbstractListModel, private CycleListObserver {
    Q_OBJECT

public:
    explicit CycleListModel(const CycleList& list, QObject* parent = nullptr);
    ~CycleListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void aboutToInsert(std::size_t first, std::size_t last) override;
    void inserted() override;
    void aboutToRemove(std::size_t row) override;
    void removed() override;
    void aboutToReplaceAll() override;
    void replacedAll() override;

    const CycleList& m_list;
};
