#pragma once

#include <QVariantMap>
#include <QWidget>

class QLabel;
class QPushButton;
class QStackedWidget;
class CToolItem;
class RecentPage;

// The start page of every window: open and create buttons, the tool tiles,
// and the recent list or, in private mode, the incognito notice.
class HomePage : public QWidget
{
    Q_OBJECT
public:
    explicit HomePage(QWidget* parent = nullptr);

    void GetRecentFileList(QStringList& list) const;
    void RemoveRecordByPath(const QString& path);

    RecentPage* Recent() const { return recentPage; }
    QStackedWidget* Stack() const { return stack; }
    QList<CToolItem*> Tools() const { return tools; }
    QPushButton* OpenButton() const { return openButton; }
    QPushButton* CreateButton() const { return createButton; }

signals:
    void SignalClickedOpen();
    void SignalClickedTool(int nTool);
    void SignalCreateBlankPDF();
    void SignalOpenFile(int& nRet, const QVariantMap& mapInfo, bool bTips);

public slots:
    void SlotToolClicked();
    void SlotCloseClicked();
    void SlotPrivateClicked();
    void SlotPrivateChanged();
    void SlotClickedOpen();
    void SlotClickedCreate();

protected:
    void changeEvent(QEvent* event) override;

private:
    void SetupUi();
    void Retranslate();
    void UpdatePrivatePage();

    QWidget* sidePanel = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* createButton = nullptr;
    QLabel* title = nullptr;
    QList<CToolItem*> tools;
    QStackedWidget* stack = nullptr;
    QLabel* noticePicture = nullptr;
    QLabel* noticeTitle = nullptr;
    QLabel* noticeText = nullptr;
    QPushButton* noticeButton = nullptr;
    RecentPage* recentPage = nullptr;
};
