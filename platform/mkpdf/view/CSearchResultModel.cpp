#include "CSearchResultModel.h"

#include "CDocumentSearch.h"

#include <algorithm>

CSearchResultModel::CSearchResultModel(CDocumentSearch* search_)
    : QAbstractListModel(search_)
    , search(search_)
{
    connect(search, &CDocumentSearch::SignalResultsReset, this, &CSearchResultModel::Reset);
    connect(search, &CDocumentSearch::SignalPagesListed, this, &CSearchResultModel::AddPages);
    connect(search, &CDocumentSearch::SignalPageUnlisted, this, &CSearchResultModel::RemovePage);
    connect(search, &CDocumentSearch::SignalPageChanged, this, [this](int nPage) {
        if (nPage >= 0)
            RefreshPage(nPage);
    });
}

int CSearchResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows;
}

int CSearchResultModel::GroupOfPage(int nPage) const
{
    const int group = int(std::lower_bound(pages.begin(), pages.end(), nPage) - pages.begin());
    return group < pages.size() && pages.at(group) == nPage ? group : -1;
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
    case SnippetRole: {
        if (match < 0)
            return role == Qt::DisplayRole ? tr("Page %1").arg(page + 1) : QVariant();
        // Until the page's text is at hand the query stands in for it.
        QString before, found, after;
        if (!search->Snippet(page, match, &before, &found, &after))
            found = search->Query();
        if (role == Qt::DisplayRole)
            return before + found + after;
        return QStringList {before, found, after};
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

void CSearchResultModel::AddPages(const QVector<int>& added)
{
    // Pages that fall between the same two listed pages go in at once.
    int i = 0;
    while (i < added.size()) {
        const int group = int(std::lower_bound(pages.begin(), pages.end(), added.at(i)) - pages.begin());
        const int row = group < pages.size() ? firstRow.at(group) : rows;
        QVector<int> runPages;
        QVector<int> runRows;
        int count = 0;
        for (; i < added.size() && (group >= pages.size() || added.at(i) < pages.at(group)); ++i) {
            const int matches = search->PageMatches(added.at(i)).size();
            if (matches == 0)
                continue;
            runPages << added.at(i);
            runRows << row + count;
            count += matches + 1;
        }
        if (group < pages.size() && i < added.size() && added.at(i) == pages.at(group))
            ++i;
        if (count == 0)
            continue;
        beginInsertRows(QModelIndex(), row, row + count - 1);
        for (int later = group; later < firstRow.size(); ++later)
            firstRow[later] += count;
        for (int k = runPages.size() - 1; k >= 0; --k) {
            pages.insert(group, runPages.at(k));
            firstRow.insert(group, runRows.at(k));
        }
        rows += count;
        endInsertRows();
    }
}

void CSearchResultModel::RemovePage(int nPage)
{
    const int group = GroupOfPage(nPage);
    if (group < 0)
        return;
    const int first = firstRow.at(group);
    const int count = (group + 1 < firstRow.size() ? firstRow.at(group + 1) : rows) - first;
    beginRemoveRows(QModelIndex(), first, first + count - 1);
    pages.remove(group);
    firstRow.remove(group);
    for (int later = group; later < firstRow.size(); ++later)
        firstRow[later] -= count;
    rows -= count;
    endRemoveRows();
}

void CSearchResultModel::RefreshPage(int nPage)
{
    const int group = GroupOfPage(nPage);
    if (group < 0)
        return;
    const int last = group + 1 < firstRow.size() ? firstRow.at(group + 1) - 1 : rows - 1;
    emit dataChanged(index(firstRow.at(group)), index(last));
}

int CSearchResultModel::RowOf(int nPage, int nIndex) const
{
    const int group = GroupOfPage(nPage);
    return group < 0 ? -1 : firstRow.at(group) + 1 + nIndex;
}
