#pragma once

#include <QListView>
#include <QVariantMap>

class CFileListDelegate;
class CFileListModel;
class QAction;
class QMenu;

// The recent list as 56 px rows or 148 x 184 tiles, with its context menu.
// Checks that a document still exists before acting on it and sends open
// requests up to the recent page.
class CFileListView : public QListView
{
    Q_OBJECT
    Q_PROPERTY(QColor backColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QColor borderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(QColor deepColor READ DeepColor WRITE SetDeepColor)
    Q_PROPERTY(QColor lightColor READ LightColor WRITE SetLightColor)
    Q_PROPERTY(QColor hoverColor READ HoverColor WRITE SetHoverColor)
    Q_PROPERTY(QColor pressedColor READ PressedColor WRITE SetPressedColor)
    Q_PROPERTY(QString iconPath READ IconPath WRITE SetIconPath)
public:
    explicit CFileListView(QWidget* parent = nullptr);

    void ClearRecords();
    void RemoveRecordByPath(const QString& path);
    QMenu* ItemMenu() const { return menu; }
    CFileListDelegate* Delegate() const { return delegate; }

    QColor BackColor() const;
    void SetBackColor(const QColor& color);
    QColor BorderColor() const;
    void SetBorderColor(const QColor& color);
    QColor DeepColor() const;
    void SetDeepColor(const QColor& color);
    QColor LightColor() const;
    void SetLightColor(const QColor& color);
    QColor HoverColor() const;
    void SetHoverColor(const QColor& color);
    QColor PressedColor() const;
    void SetPressedColor(const QColor& color);
    QString IconPath() const;
    void SetIconPath(const QString& path);

signals:
    void SignalOpenFile(int& nRet, const QVariantMap& mapInfo, bool bTips);

public slots:
    void SlotContextMenuTriggered(QAction* action);
    void SlotClickedMore(const QModelIndex& index);
    void SlotClickedPin(const QModelIndex& index);
    void SlotItemDoubleClicked(const QModelIndex& index);
    void SlotClickedRename(const QModelIndex& index);
    void SlotClickedFinder(const QModelIndex& index);
    void SlotClickedRemove(const QModelIndex& index);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowItemMenu(const QPoint& globalPos, const QModelIndex& index);
    // False after telling the user the file is gone and forgetting it.
    bool CheckFileExists(const QString& path);
    QString PathAt(const QModelIndex& index) const;
    CFileListModel* SourceModel() const;
    QModelIndex ToSource(const QModelIndex& index) const;
    void RetranslateMenu();
    void UpdateMenuIcons();

    CFileListDelegate* delegate = nullptr;
    QMenu* menu = nullptr;
    QAction* openAction = nullptr;
    QAction* pinAction = nullptr;
    QAction* unpinAction = nullptr;
    QAction* renameAction = nullptr;
    QAction* finderAction = nullptr;
    QAction* removeAction = nullptr;
};
