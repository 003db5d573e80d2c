#include "RecentPage.h"

#include "CWidgetUtils.h"
#include "MKMessageBox.h"
#include "recent/CFileListModel.h"
#include "recent/CFileListView.h"
#include "recent/CRecentManager.h"
#include "recent/RecentKeys.h"
#include "recent/RencentSortFilterProxyModel.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QPushButton* SmallButton(const char* name, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFixedSize(28, 28);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    return button;
}

} // namespace

RecentPage::RecentPage(QWidget* parent)
    : QWidget(parent)
{
    SetupUi();
    connect(clearButton, &QPushButton::clicked, this, &RecentPage::SlotClearClicked);
    connect(privateButton, &QPushButton::clicked, this, &RecentPage::SignalClickedPrivate);
    connect(emptyOpen, &QPushButton::clicked, this, &RecentPage::SignalClickedOpen);
    connect(listView, &CFileListView::SignalOpenFile, this, &RecentPage::SignalOpenFile);
    modeGroup = new QButtonGroup(this);
    modeGroup->setExclusive(true);
    modeGroup->addButton(listButton, 0);
    modeGroup->addButton(gridButton, 1);
    connect(modeGroup, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
            &RecentPage::SlotModeButtonClicked);
    listButton->setChecked(true);

    if (!listView->model()) {
        model = new CFileListModel(this);
        connect(model, &CFileListModel::SignalItemCountChanged, this, &RecentPage::SlotItemCountChanged,
                Qt::QueuedConnection);
        model->SetRecentManager(CRecentManager::getInstance());
        proxy = new RencentSortFilterProxyModel(listView);
        proxy->setSourceModel(model);
        proxy->sort(0, Qt::DescendingOrder);
        listView->setModel(proxy);
        SlotItemCountChanged();
    }
    Retranslate();
}

void RecentPage::SetupUi()
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    grid->setContentsMargins(0, 0, 0, 20);
    title = new QLabel(this);
    title->setObjectName("panel_title");
    privateButton = SmallButton("button_private", this);
    listButton = SmallButton("button_list", this);
    listButton->setCheckable(true);
    gridButton = SmallButton("button_icon", this);
    gridButton->setCheckable(true);
    clearButton = SmallButton("clear_button", this);
    grid->addWidget(title, 0, 0);
    grid->addWidget(privateButton, 0, 1);
    grid->addWidget(listButton, 0, 2);
    grid->addWidget(gridButton, 0, 3);
    grid->addWidget(clearButton, 0, 4);

    stack = new QStackedWidget(this);
    auto* empty = new QWidget(stack);
    auto* emptyLayout = new QVBoxLayout(empty);
    emptyLayout->setAlignment(Qt::AlignVCenter);
    emptyLayout->setSpacing(16);
    emptyLayout->setContentsMargins(6, 0, 6, 0);
    emptyPicture = new QLabel(empty);
    emptyPicture->setObjectName("list_empty");
    emptyPicture->setFixedSize(96, 96);
    emptyText = new QLabel(empty);
    emptyText->setObjectName("label_text");
    emptyText->setAlignment(Qt::AlignCenter);
    emptyText->setWordWrap(true);
    emptyText->setMinimumWidth(400);
    emptyOpen = new QPushButton(empty);
    emptyOpen->setObjectName("button_ok");
    emptyOpen->setProperty("confirm", true);
    emptyOpen->setMinimumSize(120, 32);
    emptyOpen->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    emptyLayout->addWidget(emptyPicture, 0, Qt::AlignHCenter);
    emptyLayout->addWidget(emptyText);
    emptyLayout->addWidget(emptyOpen, 0, Qt::AlignHCenter);
    stack->addWidget(empty);
    listView = new CFileListView(this);
    listView->setObjectName("list_view");
    stack->addWidget(listView);
    grid->addWidget(stack, 1, 0, 1, 5);
    grid->setColumnStretch(0, 1);
}

void RecentPage::Retranslate()
{
    title->setText(tr("Recents"));
    CWidgetUtils::SetTip(privateButton, tr("Incognito Mode"));
    CWidgetUtils::SetTip(listButton, tr("List View"));
    CWidgetUtils::SetTip(gridButton, tr("Grid View"));
    CWidgetUtils::SetTip(clearButton, tr("Clear"));
    listView->setAccessibleName(tr("Recent Files"));
    emptyText->setText(tr("Files you have recently viewed or worked with will be listed here"));
    emptyOpen->setText(tr("Open PDF"));
}

void RecentPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

void RecentPage::SlotModeButtonClicked(QAbstractButton* button)
{
    if (button == listButton) {
        listView->setSpacing(2);
        listView->setViewMode(QListView::ListMode);
    } else {
        listView->setSpacing(16);
        listView->setViewMode(QListView::IconMode);
    }
    // Both modes keep the entries still, one after the other.
    listView->setMovement(QListView::Static);
    listView->setResizeMode(QListView::Adjust);
    listView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void RecentPage::SlotClearClicked()
{
    MKMessageBox box(true, this, QString(), tr("Are you sure to clear all the records?"), QString(), tr("Cancel"),
                     QString(), tr("Clear"));
    box.ShowMask(window(), false);
    if (box.exec() == 3)
        listView->ClearRecords();
}

void RecentPage::SlotItemCountChanged()
{
    const int count = listView->model() ? listView->model()->rowCount() : 0;
    const bool empty = count < 1;
    stack->setCurrentIndex(empty ? 0 : 1);
    for (QPushButton* button : {listButton, gridButton, clearButton})
        button->setEnabled(!empty);
}

QStringList RecentPage::GetRecentFileList() const
{
    QStringList list;
    if (!proxy)
        return list;
    const int count = qMin(proxy->rowCount(), 10);
    for (int row = 0; row < count; ++row)
        list << proxy->index(row, 0).data(CFileListModel::RecentInfoRole).toMap().value(OpenKey::kPath).toString();
    return list;
}

void RecentPage::RemoveRecordByPath(const QString& path)
{
    listView->RemoveRecordByPath(path);
}
