#pragma once

#include <QVariantMap>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;
class QStackedWidget;
class CFileListModel;
class CFileListView;
class RencentSortFilterProxyModel;

// The recent-files panel of the home page: the list (or grid), its empty
// state, clearing and the private-mode button.
class RecentPage : public QWidget
{
    Q_OBJECT
public:
    explicit RecentPage(QWidget* parent = nullptr);

    QStringList GetRecentFileList() const;
    void RemoveRecordByPath(const QString& path);

    CFileListView* ListView() const { return listView; }
    CFileListModel* Model() const { return model; }
    QStackedWidget* Stack() const { return stack; }

signals:
    void SignalClickedOpen();
    void SignalClickedPrivate();
    void SignalOpenFile(int& nRet, const QVariantMap& mapInfo, bool bTips);

public slots:
    void SlotModeButtonClicked(QAbstractButton* button);
    void SlotClearClicked();
    void SlotItemCountChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void SetupUi();
    void Retranslate();

    QLabel* title = nullptr;
    QPushButton* privateButton = nullptr;
    QPushButton* listButton = nullptr;
    QPushButton* gridButton = nullptr;
    QPushButton* clearButton = nullptr;
    QStackedWidget* stack = nullptr;
    QLabel* emptyPicture = nullptr;
    QLabel* emptyText = nullptr;
    QPushButton* emptyOpen = nullptr;
    CFileListView* listView = nullptr;
    QButtonGroup* modeGroup = nullptr;
    CFileListModel* model = nullptr;
    RencentSortFilterProxyModel* proxy = nullptr;
};
