#include "CSearchResultModel.h"

#include "CDocumentSearch.h"

#include <algorithm>

CSearchResultModel::CSearchResultModel(CDocumentSearch* search_)
    : QAbstractListModel(search_)
    , search(search_)
{
}

int CSearchResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows;
}

int CSearchResultModel::GroupOfRow(int nRow) const
{
    return int(std::upper_bound(firstRow.begin(), firstRow.end(), nRow) - firstRow.begin()) - 1;
}

QVariant CSearchResultModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rows)
        return QVariant();
    const int group = GroupOfRow(index.row());
    if (group < 0)
        return QVariant();
    const int page = pages.at(group);
    const int match = index.row() - firstRow.at(group) - 1;
    switch (role) {
    case PageRole:
        return page;
    case MatchIndexRole:
        return match;
    case CountRole:
        return search->PageMatches(page).size();
    case Qt::DisplayRole:
    case BeforeRole:
    case MatchRole:
    case AfterRole: {
        if (match < 0)
            return role == Qt::DisplayRole ? tr("Page %1").arg(page + 1) : QVariant();
        QString before, found, after;
        if (!search->Snippet(page, match, &before, &found, &after))
            return role == MatchRole ? search->Query() : QVariant();
        if (role == BeforeRole)
            return before;
        if (role == AfterRole)
            return after;
        return role == MatchRole ? found : before + found + after;
    }
    default:
        return QVariant();
    }
}

void CSearchResultModel::Reset()
{
    beginResetModel();
    pages.clear();
    firstRow.clear();
    rows = 0;
    endResetModel();
}

void CSearchResultModel::AddPage(int nPage)
{
    const int count = search->PageMatches(nPage).size();
    const int group = int(std::lower_bound(pages.begin(), pages.end(), nPage) - pages.begin());
    if (count == 0 || (group < pages.size() && pages.at(group) == nPage))
        return;
    const int row = group < pages.size() ? firstRow.at(group) : rows;
    beginInsertRows(QModelIndex(), row, row + count);
    pages.insert(group, nPage);
    firstRow.insert(group, row);
    for (int i = group + 1; i < firstRow.size(); ++i)
        firstRow[i] += count + 1;
    rows += count + 1;
    endInsertRows();
}

void CSearchResultModel::RefreshPage(int nPage)
{
    const int group = int(std::lower_bound(pages.begin(), pages.end(), nPage) - pages.begin());
    if (group >= pages.size() || pages.at(group) != nPage)
        return;
    const int last = group + 1 < firstRow.size() ? firstRow.at(group + 1) - 1 : rows - 1;
    emit dataChanged(index(firstRow.at(group)), index(last));
}

int CSearchResultModel::RowOf(int nPage, int nIndex) const
{
    const int group = int(std::lower_bound(pages.begin(), pages.end(), nPage) - pages.begin());
    if (group >= pages.size() || pages.at(group) != nPage)
        return -1;
    return firstRow.at(group) + 1 + nIndex;
}
