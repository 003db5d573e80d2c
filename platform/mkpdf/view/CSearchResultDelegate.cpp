#include "CSearchResultDelegate.h"

#include "CSearchResultModel.h"

#include <QApplication>
#include <QPainter>

void CSearchResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    item.text.clear();
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    painter->save();
    // The skin's selection is a light tint: the text keeps its colour on it.
    const QColor text = item.palette.color(QPalette::Text);
    QColor faint = text;
    faint.setAlpha(150);
    QFont bold = item.font;
    bold.setBold(true);
    const QFontMetrics normal(item.font);
    const QFontMetrics strong(bold);
    QRect area = item.rect.adjusted(8, 0, -8, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

    if (index.data(CSearchResultModel::MatchIndexRole).toInt() < 0) {
        const QString count = QString::number(index.data(CSearchResultModel::CountRole).toInt());
        painter->setPen(faint);
        painter->setFont(item.font);
        painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter, count);
        painter->setPen(text);
        painter->setFont(bold);
        area.setRight(area.right() - normal.horizontalAdvance(count) - 8);
        painter->drawText(area, flags, strong.elidedText(index.data().toString(), Qt::ElideRight, area.width()));
        painter->restore();
        return;
    }

    area.setLeft(area.left() + 8);
    const QStringList snippet = index.data(CSearchResultModel::SnippetRole).toStringList();
    const QString before = snippet.value(0);
    const QString match = snippet.value(1);
    const QString after = snippet.value(2);
    // The match first, then a third of what is left for the text before it.
    const int matchWidth = qMin(strong.horizontalAdvance(match) + 2, area.width() * 3 / 4);
    const int beforeWidth = qMin(normal.horizontalAdvance(before), (area.width() - matchWidth) / 3);
    const QString shownBefore = normal.elidedText(before, Qt::ElideLeft, beforeWidth);
    const QString shownMatch = strong.elidedText(match, Qt::ElideRight, matchWidth);
    painter->setPen(faint);
    painter->setFont(item.font);
    painter->drawText(area, flags, shownBefore);
    area.setLeft(area.left() + normal.horizontalAdvance(shownBefore));
    painter->setPen(text);
    painter->setFont(bold);
    painter->drawText(area, flags, shownMatch);
    area.setLeft(area.left() + strong.horizontalAdvance(shownMatch));
    painter->setPen(faint);
    painter->setFont(item.font);
    painter->drawText(area, flags, normal.elidedText(after, Qt::ElideRight, area.width()));
    painter->restore();
}

QSize CSearchResultDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(index);
    return QSize(option.rect.width(), qMax(24, option.fontMetrics.height() + 8));
}
