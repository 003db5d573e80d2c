#include "CFileListView.h"

#include "CFileListDelegate.h"
#include "CFileListModel.h"
#include "CFileUtils.h"
#include "CRenameBox.h"
#include "MKApplication.h"
#include "MKMessageBox.h"
#include "MainBox.h"
#include "RecentKeys.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QSortFilterProxyModel>

CFileListView::CFileListView(QWidget* parent)
    : QListView(parent)
{
    setViewMode(QListView::ListMode);
    setResizeMode(QListView::Adjust);
    setSpacing(2);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUpdatesEnabled(true);
    setMouseTracking(true);
    setUniformItemSizes(true);
    setMovement(QListView::Static);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    delegate = new CFileListDelegate(this);
    connect(delegate, &CFileListDelegate::SignalClickedMore, this, &CFileListView::SlotClickedMore,
            Qt::QueuedConnection);
    connect(delegate, &CFileListDelegate::SignalClickedPin, this, &CFileListView::SlotClickedPin, Qt::QueuedConnection);
    connect(delegate, &CFileListDelegate::SignalLeftButtonClicked, this, &CFileListView::SlotItemDoubleClicked,
            Qt::QueuedConnection);
    setItemDelegate(delegate);

    menu = new QMenu(this);
    menu->setObjectName("menu_normal");
    openAction = menu->addAction(QString());
    pinAction = menu->addAction(QString());
    unpinAction = menu->addAction(QString());
    menu->addSeparator();
    renameAction = menu->addAction(QString());
    finderAction = menu->addAction(QString());
    menu->addSeparator();
    removeAction = menu->addAction(QString());
    for (QAction* action : {openAction, pinAction, unpinAction, renameAction, finderAction, removeAction})
        action->setIconVisibleInMenu(true);
    connect(menu, &QMenu::triggered, this, &CFileListView::SlotContextMenuTriggered);
    RetranslateMenu();
    UpdateMenuIcons();
}

void CFileListView::RetranslateMenu()
{
    openAction->setText(tr("Open"));
    pinAction->setText(tr("Pin"));
    unpinAction->setText(tr("Unpin"));
    renameAction->setText(tr("Rename"));
    finderAction->setText(tr("Open File Location"));
    removeAction->setText(tr("Remove from List"));
}

void CFileListView::UpdateMenuIcons()
{
    const QString base = MKApplication::SkinResouresPath() + "/mainbox/menu/";
    const char* names[]
        = {"icon_open.png", "icon_pin.png", "icon_unpin.png", "icon_rename.png", "icon_finder.png", "icon_delete.png"};
    QAction* actions[] = {openAction, pinAction, unpinAction, renameAction, finderAction, removeAction};
    for (int i = 0; i < 6; ++i)
        actions[i]->setIcon(QIcon(base + names[i]));
}

void CFileListView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateMenu();
    else if (event->type() == QEvent::StyleChange)
        UpdateMenuIcons();
    QListView::changeEvent(event);
}

CFileListModel* CFileListView::SourceModel() const
{
    auto* proxy = qobject_cast<QSortFilterProxyModel*>(model());
    return qobject_cast<CFileListModel*>(proxy ? proxy->sourceModel() : model());
}

QModelIndex CFileListView::ToSource(const QModelIndex& index) const
{
    auto* proxy = qobject_cast<QSortFilterProxyModel*>(model());
    if (!index.isValid())
        return QModelIndex();
    return proxy ? proxy->mapToSource(index) : index;
}

void CFileListView::ClearRecords()
{
    if (CFileListModel* source = SourceModel())
        source->ClearRecords();
}

void CFileListView::RemoveRecordByPath(const QString& path)
{
    if (CFileListModel* source = SourceModel())
        source->RemoveRecordByPath(path);
}

void CFileListView::ShowItemMenu(const QPoint& globalPos, const QModelIndex& index)
{
    const QModelIndex source = ToSource(index);
    if (!source.isValid())
        return;
    const bool pinned = source.data(CFileListModel::RecentInfoRole).toMap().value(RecentKey::kPin).toBool();
    pinAction->setVisible(!pinned);
    unpinAction->setVisible(pinned);
    setCurrentIndex(index);
    menu->exec(globalPos);
}

void CFileListView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid())
        ShowItemMenu(event->globalPos(), index);
}

void CFileListView::SlotClickedMore(const QModelIndex& index)
{
    const QPoint offset = viewMode() == QListView::IconMode ? QPoint(36, 12) : QPoint(44, 12);
    const QPoint corner = visualRect(index).bottomRight() - offset;
    ShowItemMenu(viewport()->mapToGlobal(corner), index);
}

void CFileListView::SlotContextMenuTriggered(QAction* action)
{
    const QModelIndexList selected = selectedIndexes();
    if (selected.isEmpty())
        return;
    const QModelIndex index = selected.first();
    if (action == openAction)
        SlotItemDoubleClicked(index);
    else if (action == pinAction || action == unpinAction)
        SlotClickedPin(index);
    else if (action == renameAction)
        SlotClickedRename(index);
    else if (action == finderAction)
        SlotClickedFinder(index);
    else if (action == removeAction)
        SlotClickedRemove(index);
}

bool CFileListView::CheckFileExists(const QString& path)
{
    if (QFile::exists(path))
        return true;
    MKMessageBox::information(true, this, window(), QString(), tr("Failed to Open"),
                              tr("The file might have been moved, damaged, or deleted."), 1024, 332);
    // Rows may have moved while the message was up: the record is found
    // again by its path.
    SourceModel()->RemoveRecordByPath(path);
    return false;
}

QString CFileListView::PathAt(const QModelIndex& index) const
{
    const QModelIndex source = ToSource(index);
    return source.isValid() ? source.data(CFileListModel::RecentInfoRole).toMap().value(OpenKey::kPath).toString()
                            : QString();
}

void CFileListView::SlotItemDoubleClicked(const QModelIndex& index)
{
    const QModelIndex source = ToSource(index);
    if (!source.isValid())
        return;
    const QVariantMap info = source.data(CFileListModel::RecentInfoRole).toMap();
    const QString path = info.value(OpenKey::kPath).toString();
    if (!CheckFileExists(path))
        return;
    int nRet = MainBox::OpenNone;
    emit SignalOpenFile(nRet, info, true);
    if (MainBox::IsOpenError(nRet))
        SourceModel()->RemoveRecordByPath(path);
}

void CFileListView::SlotClickedPin(const QModelIndex& index)
{
    const QString path = PathAt(index);
    if (!path.isEmpty() && CheckFileExists(path))
        SourceModel()->TogglePin(ToSource(index));
}

void CFileListView::SlotClickedRename(const QModelIndex& index)
{
    const QString path = PathAt(index);
    if (path.isEmpty() || !CheckFileExists(path))
        return;
    CRenameBox box(this);
    box.ShowMask(window(), false);
    box.SetNewName(path);
    if (box.exec() != 1)
        return;
    const QString newPath = box.GetNewName();
    if (newPath == path)
        return;
    // An open document moves through its engine, so its tab, its title and
    // its next save follow the file; the engine reports any failure itself.
    if (MainBox* open = MainBox::FindOpenDocument(path)) {
        if (!open->RenameTo(newPath))
            return;
    } else if (!QFile::rename(path, newPath)) {
        MKMessageBox::information(
            true, this, window(), QString(), tr("Failed to Rename"),
            tr("The file could not be renamed. It may be in use, or the folder may not allow changes."), 1024, 332);
        return;
    }
    // Found by its path after the dialog; already renamed when the window
    // of the open document did it.
    SourceModel()->RenameRecordAt(SourceModel()->IndexOfPath(path), newPath);
}

void CFileListView::SlotClickedFinder(const QModelIndex& index)
{
    const QString path = PathAt(index);
    if (!path.isEmpty() && CheckFileExists(path))
        MKBase::CFileUtils::OpenFolderAndSelectFile(path);
}

void CFileListView::SlotClickedRemove(const QModelIndex& index)
{
    const QModelIndex source = ToSource(index);
    if (source.isValid())
        SourceModel()->RemoveRecordAt(source);
}

#define RV_DELEGATE_PROPERTY(Type, Name, Field)                                                                        \
    Type CFileListView::Name() const                                                                                   \
    {                                                                                                                  \
        return delegate ? delegate->Field : Type();                                                                    \
    }                                                                                                                  \
    void CFileListView::Set##Name(const Type& value)                                                                   \
    {                                                                                                                  \
        delegate->Field = value;                                                                                       \
        viewport()->update();                                                                                          \
    }
RV_DELEGATE_PROPERTY(QColor, BackColor, backColor)
RV_DELEGATE_PROPERTY(QColor, BorderColor, borderColor)
RV_DELEGATE_PROPERTY(QColor, DeepColor, deepColor)
RV_DELEGATE_PROPERTY(QColor, LightColor, lightColor)
RV_DELEGATE_PROPERTY(QColor, HoverColor, hoverColor)
RV_DELEGATE_PROPERTY(QColor, PressedColor, pressedColor)
#undef RV_DELEGATE_PROPERTY

QString CFileListView::IconPath() const
{
    return delegate ? delegate->IconPath() : QString();
}

void CFileListView::SetIconPath(const QString& path)
{
    delegate->SetIconPath(path);
    viewport()->update();
}
