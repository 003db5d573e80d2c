#include "RencentSortFilterProxyModel.h"

#include "CFileListModel.h"
#include "RecentKeys.h"

RencentSortFilterProxyModel::RencentSortFilterProxyModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
}

bool RencentSortFilterProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant a = sourceModel()->data(left, CFileListModel::RecentInfoRole);
    const QVariant b = sourceModel()->data(right, CFileListModel::RecentInfoRole);
    if (left.column() == 0 && !a.isNull() && right.column() == 0 && !b.isNull()) {
        const QVariantMap infoA = a.toMap();
        const QVariantMap infoB = b.toMap();
        const bool pinA = infoA.value(RecentKey::kPin).toBool();
        const bool pinB = infoB.value(RecentKey::kPin).toBool();
        if (pinA != pinB)
            return !pinA;
        const int openA = infoA.value(RecentKey::kOpenTime).toInt();
        const int openB = infoB.value(RecentKey::kOpenTime).toInt();
        const int pinTimeA = infoA.value(RecentKey::kPinTime).toInt();
        const int pinTimeB = infoB.value(RecentKey::kPinTime).toInt();
        if (pinA && pinB && pinTimeA >= 1 && pinTimeB >= 1) {
            if (pinTimeA != pinTimeB)
                return pinTimeA < pinTimeB;
        } else if (openA != openB) {
            return openA < openB;
        }
        // Equal keys (files opened within one second): the store's order,
        // newest first. Without it a row inserted or changed later lands
        // after its equals, unlike a fresh sort of the same rows.
        return left.row() > right.row();
    }
    return QSortFilterProxyModel::lessThan(left, right);
}
