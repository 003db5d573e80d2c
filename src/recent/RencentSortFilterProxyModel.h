#pragma once

#include <QSortFilterProxyModel>

// Display order of the recent list: pinned first (latest pin first), then
// the rest by latest opening. Filters nothing.
class RencentSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit RencentSortFilterProxyModel(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
