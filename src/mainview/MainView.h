#pragma once

#include "MKMainWindow.h"

#include <QVariantMap>

class QPushButton;
class CTabBar;
class HomePage;

// One document window: a home button in the title bar, the home page as
// page 0 and one engine widget per open document.
class MainView : public MKMainWindow
{
    Q_OBJECT
public:
    explicit MainView(QWidget* parent = nullptr);
    ~MainView() override;

    // Selects the document showing path, if this window has it.
    bool ActivateDocument(const QString& path, const QVariantMap& request);
    // Opens a path that came from outside the window (command line, later
    // launches, the desktop).
    void OpenPathFromOutside(const QString& path);
    void RaiseWindow();

    QList<QWidget*> Documents() const;
    QPushButton* HomeButton() const { return homeButton; }
    CTabBar* TabBar() const { return tabBar; }
    HomePage* Home() const { return homePage; }
    QPushButton* AddButton() const { return addButton; }
    QPushButton* TabCountButton() const { return tabCountButton; }

    void UpdateText() override;

signals:
    void SignalMainViewClosed(bool bClosed);

public slots:
    void SlotOpenFile(int& nRet, const QVariantMap& mapInfo, bool bTips);
    void SlotTabItemDragIn(const QString& tabText, bool dirty, QWidget* tabWidget);
    void SlotTabClickedAdd();
    void SlotTabSelectChanged(int nIndex);
    void SlotCloseTab(int nIndex);
    void SlotTabCountChanged();
    void SlotTabWidthChanged(const QPoint& pos);
    void SlotSelectHome(bool checked);
    void SlotDocumentClosed(bool bClosed);
    void SlotFirstThumbRendered(const QString& pdfPath, bool hasPassword);
    void SlotDocumentRename(const QString& strOld, const QString& strNew);
    void SlotDocumentSaveAs(const QString& strOld, const QString& strNew);
    void SlotDocumentChanged(bool bDirty);
    void SlotGetRecentFileList(QStringList& listRecent);
    void SlotCreateBlankPDF();
    void SlotClickedTool(int nTool);

protected slots:
    void SlotClickedMenu() override;

protected:
    QVariantMap ShowSettingDialog(QVariantMap mapInfo) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ShowHome(bool on);
    void AttachDocument(const QString& caption, bool dirty, QWidget* widget);
    QVariantMap WithViewDefaults(const QVariantMap& request) const;
    void OpenFilesDialog(int nTool);
    void RemoveRecentPath(const QString& path);
    void UpdateWindowState();
    void ShowFailure(const QString& reason);
    void SaveWindowGeometry();
    void RestoreWindowGeometry();

    QPushButton* homeButton = nullptr;
    CTabBar* tabBar = nullptr;
    QPushButton* tabCountButton = nullptr;
    QPushButton* addButton = nullptr;
    HomePage* homePage = nullptr;
};
