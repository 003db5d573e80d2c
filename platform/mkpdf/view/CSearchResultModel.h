#pragma once

#include <QAbstractListModel>
#include <QVector>

class CDocumentSearch;

// The results of a search as a list: a heading row for each page with
// matches, in page order, followed by one row per match with the text around
// it. Grows while the search runs; lives as long as the search.
class CSearchResultModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role {
        PageRole = Qt::UserRole + 1, // page index of the row
        MatchIndexRole,              // match on that page; -1 for a heading
        CountRole,                   // matches on the page (headings)
        SnippetRole,                 // text before, the match, text after
    };

    explicit CSearchResultModel(CDocumentSearch* search);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Reset();
    // Matches of these pages (ascending, new to the list) arrived.
    void AddPages(const QVector<int>& added);
    // A page's matches changed: its rows go until it is added again.
    void RemovePage(int nPage);
    // A page's text became available for the snippets.
    void RefreshPage(int nPage);
    int RowOf(int nPage, int nIndex) const;

private:
    int GroupOfRow(int nRow) const;
    int GroupOfPage(int nPage) const;

    CDocumentSearch* search;
    QVector<int> pages;    // pages with matches, ascending
    QVector<int> firstRow; // row of each page's heading
    int rows = 0;
};
