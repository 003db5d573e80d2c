#pragma once

#include <QStyledItemDelegate>

// Draws the rows of search results: page headings with their match count,
// and matches with the found text in bold inside the text around it.
class CSearchResultDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
