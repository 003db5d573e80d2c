#pragma once

#include "MKMainWindow.h"
#include "menu/DocumentMenu.h"

#include <QHash>
#include <QVariantMap>

class QPushButton;
class CTabBar;
class HomePage;
class LogGuidBox;

// One document window: the home button and the tab strip in the title bar,
// the home page as page 0 and one engine widget per document tab. Opens,
// moves and closes documents; hands menu actions to itself or to the
// current document.
class MainView : public MKMainWindow
{
    Q_OBJECT
public:
    explicit MainView(QWidget* parent = nullptr);
    ~MainView() override;

    // Selects the document showing path, if this window has it.
    bool ActivateDocument(const QString& path, const QVariantMap& request);
    // Tab index of the document showing path, -1 when none does.
    int IndexOfDocument(const QString& path) const;
    // Opens a path that came from outside the window (command line, later
    // launches, the desktop) and forgets it in the recent list on failure.
    void OpenPathFromOutside(const QString& path, const QVariantMap& extra = {});
    // Brings the window to the front; the ids are those of the launch it is
    // raised for, when another launch handed a file over.
    void RaiseWindow(const QByteArray& startupId = QByteArray(), const QByteArray& activationToken = QByteArray());
    void AttachDocument(const QString& caption, bool dirty, QWidget* widget, bool select = true);
    // After a tab drag ended with result: a document that no tab bar of ours
    // adopted gets a window of its own; an emptied window closes 100 ms later.
    void FinishTabDrag(const QString& caption, bool dirty, QWidget* widget, Qt::DropAction result,
                       const QPoint& posMouse);
    // Gives a tab's document to a new window placed at the pointer less offset.
    void MoveTabToNewWindow(const QString& caption, bool dirty, QWidget* widget, const QPoint& offset);
    // The current tab's document moves to a new window; the last tab stays.
    void MoveCurrentTabToNewWindow();
    // Shows the tab nStep places on, round the strip.
    void StepTab(int nStep);

    QList<QWidget*> Documents() const;
    QPushButton* HomeButton() const { return homeButton; }
    CTabBar* TabBar() const { return tabBar; }
    HomePage* Home() const { return homePage; }
    DocumentMenu* Menu() { return &menu; }
    LogGuidBox* SignInPopup() const { return signInPopup; }
    // The default-viewer question is asked once per process; this starts
    // over as a new process would.
    static void ResetDefaultLauncherCheck();
    // The desktop is ending the session: close without the close-all and
    // rating questions, and start no new question.
    void SetSessionEnding() { sessionEnding = true; }
    QPushButton* AddButton() const { return addButton; }
    QPushButton* TabCountButton() const { return tabCountButton; }
    bool IsClosingWindow() const { return closingWindow; }

    void UpdateText() override;
    void UpdateSkin() override;

signals:
    void SignalMainViewClosed(bool bClosed);
    // Requests the window cannot answer alone; the manager serves them. The
    // reference parameters carry the answer back over a direct connection.
    void SignalRequestNewWindow(MainView*& pWindow);
    void SignalRequestCloseAll();
    void SignalRequestActivateAll();
    void SignalFindOpenedDocument(const QString& strPath, const QVariantMap& mapRequest, bool& bFound);
    void SignalGetWindowCount(int& nCount);

public slots:
    void SlotOpenFile(int& nRet, const QVariantMap& mapInfo, bool bTips);
    void SlotTabItemDragOut(int nIndex, QPoint posMouse);
    void SlotTabItemDragIn(const QString& tabText, bool dirty, QWidget* tabWidget);
    void SlotTabClickedAdd();
    void SlotTabSelectChanged(int nIndex);
    void SlotCloseTab(int nIndex);
    void SlotTabCountChanged();
    void SlotTabWidthChanged(const QPoint& pos);
    void SlotContextMenu(const QPoint& pos);
    void SlotSelectHome(bool checked);
    void SlotFirstThumbRendered(const QString& pdfPath, bool hasPassword);
    void SlotDocumentRename(const QString& strOld, const QString& strNew);
    void SlotDocumentSaveAs(const QString& strOld, const QString& strNew);
    void SlotDocumentChanged(bool bDirty);
    void SlotDocumentClosed(bool bClosed);
    void SlotDocumentOpenAttachment(const QString& strPath);
    void SlotGetUserName(QString& user_name);
    void SlotSetTitleBarVisible(bool visible);
    void SlotCommentOptionChanged();
    void SlotClickedFile(const QPoint& pos);
    void SlotMenuTriggered(const QVariant& action);
    void SlotGetRecentFileList(QStringList& listRecent);
    void SlotGetCurrentTabInfo(QVariantMap& info);
    void SlotCloseOtherTabs();
    void SlotCloseAllTabs();
    void SlotCheckDefaultLauncher();
    void SlotPopoupAssocGuid();
    void SlotWindowStateChanged(Qt::WindowState state);
    void SlotCreateBlankPDF();
    void SlotClickedTool(int nTool);
    void SlotShowLogGuid();
    void SlotClickedCreateLink();
    void SlotClickedSetAsDefault();

protected slots:
    void SlotClickedMenu() override;
    void SlotMemberEnterEvent() override;
    void SlotMemberLeaveEvent() override;

protected:
    QVariantMap ShowSettingDialog(QVariantMap mapInfo) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static QString AppValue(const QString& key);
    void ShowHome(bool on);
    void UpdateWindowState();
    void ForwardMenuAction(const QVariant& action);
    static const QHash<QString, void (*)(MainView*)>& MenuKeys();
    QVariantMap WithViewDefaults(const QVariantMap& request) const;
    void OpenFilesDialog(int nTool);
    void OpenAndForgetFailure(const QString& path, bool bTips, const QVariantMap& extra = {});
    void RemoveRecentPath(const QString& path);
    void ShowFailure(const QString& reason);
    // Why a path (as given, and made absolute) cannot be opened, naming it;
    // empty when it is a PDF document to try.
    static QString RefusalOf(const QString& given, const QString& path);
    void ShowNotice(const QString& text);
    void CloseCurrentTab();
    void CloseWindowTabs();
    // Ends every close chain and tells the manager the window stays.
    void StopClosing();
    void SaveWindowGeometry();
    void RestoreWindowGeometry();

    DocumentMenu menu;
    QPushButton* homeButton = nullptr;
    bool closingWindow = false;
    bool sessionEnding = false;
    bool closingAll = false;
    bool closingOthers = false;
    CTabBar* tabBar = nullptr;
    QPushButton* tabCountButton = nullptr;
    QPushButton* addButton = nullptr;
    HomePage* homePage = nullptr;
    LogGuidBox* signInPopup = nullptr;
};
