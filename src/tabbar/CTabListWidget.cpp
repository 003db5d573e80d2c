#include "CTabListWidget.h"

#include "CTabBar.h"
#include "CTabListModel.h"
#include "CTabListView.h"
#include "CWidgetUtils.h"

#include <QCloseEvent>
#include <QVBoxLayout>

CTabListWidget::CTabListWidget(CTabBar* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_StyledBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    view = new CTabListView(this);
    view->setObjectName("list_view");
    view->setProperty("platform", "win");
    view->setFixedWidth(240);
    view->setAccessibleName(tr("Open Tabs"));
    layout->addWidget(view);
    QMetaObject::connectSlotsByName(this);
    if (!view->model())
        view->setModel(new CTabListModel(this));
    connect(view, &CTabListView::SignalCurrentChanged, this, &CTabListWidget::SignalCurrentChanged);
    connect(view, &CTabListView::SignalCloseCurrent, this, &CTabListWidget::SignalCloseCurrent);
}

void CTabListWidget::AddRow(const QString& text)
{
    QAbstractItemModel* model = view->model();
    const int row = model->rowCount();
    if (model->insertRow(row))
        model->setData(model->index(row, 0), text, CTabListModel::CaptionRole);
}

void CTabListWidget::RemoveRow(int row)
{
    QAbstractItemModel* model = view->model();
    if (model->index(row, 0).isValid())
        model->removeRow(row);
}

void CTabListWidget::SetRowText(int row, const QString& text)
{
    QAbstractItemModel* model = view->model();
    const QModelIndex index = model->index(row, 0);
    if (index.isValid()) {
        model->setData(index, text, CTabListModel::CaptionRole);
        view->update(index);
    }
}

void CTabListWidget::MoveRow(int from, int to)
{
    view->model()->moveRow(QModelIndex(), from, QModelIndex(), to);
}

void CTabListWidget::SetCurrentRow(int row)
{
    QAbstractItemModel* model = view->model();
    const QSignalBlocker blocker(view);
    QItemSelectionModel* selection = view->selectionModel();
    const QModelIndex index = model->index(row, 0);
    // The list's current row follows the bar (this is no choice, so the list
    // reports nothing): a click on a row picked some time before is again a
    // change the list reports.
    view->setCurrentIndex(index);
    selection->clearSelection();
    if (index.isValid()) {
        selection->select(index, QItemSelectionModel::Select);
        view->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
    const int rows = qMin(model->rowCount(), kMaxVisibleRows);
    view->setFixedHeight(rows * kRowHeight + 10);
}

void CTabListWidget::ShowAt(const QPoint& pos)
{
    adjustSize();
    const QRect screens = CWidgetUtils::GetAllScreenGeometry(false);
    int x = pos.x();
    int y = pos.y();
    if (x < screens.left())
        x = screens.left();
    if (y < screens.top())
        y = screens.top();
    if (x + width() > screens.right())
        x = screens.right() - width();
    if (y + height() > screens.bottom())
        y = screens.bottom() - height();
    move(x, y);
    show();
}

QStringList CTabListWidget::Rows() const
{
    QStringList rows;
    QAbstractItemModel* model = view->model();
    for (int i = 0; i < model->rowCount(); ++i)
        rows << model->index(i, 0).data(CTabListModel::CaptionRole).toString();
    return rows;
}

void CTabListWidget::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}
