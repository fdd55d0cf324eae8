#include "cycle/CycleListModel.h"

#include "cycle/CycleList.h"

CycleListModel::CycleListModel(const CycleList& list, QObject* parent)
    : QAbstractListModel(parent)
    , m_list(list)
{
    m_list.addObserver(this);
}

CycleListModel::~CycleListModel()
{
    m_list.removeObserver(this);
}

int CycleListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_list.size());
}

QVariant CycleListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    std::string_view path = m_list.at(static_cast<std::size_t>(index.row()));
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

void CycleListModel::aboutToInsert(std::size_t first, std::size_t last)
{
    beginInsertRows({}, static_cast<int>(first), static_cast<int>(last));
}

void CycleListModel::inserted()
{
    endInsertRows();
}

void CycleListModel::aboutToRemove(std::size_t row)
{
    beginRemoveRows({}, static_cast<int>(row), static_cast<int>(row));
}

void CycleListModel::removed()
{
    endRemoveRows();
}

void CycleListModel::aboutToReplaceAll()
{
    beginResetModel();
}

void CycleListModel::replacedAll()
{
    endResetModel();
}
