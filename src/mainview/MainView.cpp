#include "MainView.h"

#include "CFileUtils.h"
#include "CWindowTitleBar.h"
#include "MKApplication.h"
#include "MKMessageBox.h"
#include "MainBox.h"
#include "CAssocUtils.h"
#include "setting/CSettingManager.h"
#include "setting/SettingOption.h"
#include "CGaReportManager.h"
#include "home/HomePage.h"
#include "recent/CRecentManager.h"
#include "tabbar/CTabBar.h"
#include "windows/CMainViewManager.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

MainView::MainView(QWidget* parent)
    : MKMainWindow(parent)
{
    setAcceptDrops(true);

    homeButton = new QPushButton(this);
    homeButton->setCheckable(true);
    homeButton->setChecked(true);
    const QString type = MKApplication::getInstance() ? MKApplication::getInstance()->GetProductType()
                                                      : QString();
    homeButton->setObjectName(type.isEmpty() ? QStringLiteral("button_home")
                                             : QStringLiteral("button_home_%1").arg(type));
    homeButton->setFixedSize(36, 28);
    homeButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    connect(homeButton, &QPushButton::toggled, this, &MainView::SlotSelectHome);
    titleBar()->AddWidgetToLeft(homeButton);

    tabBar = new CTabBar(this);
    connect(tabBar, &CTabBar::SignalItemDragIn, this, &MainView::SlotTabItemDragIn, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalClickedAdd, this, &MainView::SlotTabClickedAdd, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalSelectChanged, this, &MainView::SlotTabSelectChanged, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalCloseTab, this, &MainView::SlotCloseTab, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalItemCountChanged, this, &MainView::SlotTabCountChanged, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalItemWidthChanged, this, &MainView::SlotTabWidthChanged, Qt::QueuedConnection);
    titleBar()->AddWidgetToLeft(tabBar, 1);

    addButton = new QPushButton(tabBar);
    addButton->setObjectName("tab_add");
    addButton->setFixedSize(28, 28);
    addButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    addButton->setFocusPolicy(Qt::NoFocus);
    connect(addButton, &QPushButton::clicked, this, &MainView::SlotTabClickedAdd);
    addButton->move(10, 6);

    tabCountButton = new QPushButton(this);
    tabCountButton->setObjectName("tab_num");
    tabCountButton->setFixedHeight(24);
    tabCountButton->setMinimumWidth(21);
    tabCountButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    tabCountButton->setFocusPolicy(Qt::NoFocus);
    connect(tabCountButton, &QPushButton::clicked, tabBar, &CTabBar::SlotClickedNum);
    tabCountButton->hide();
    titleBar()->InsertToolButton(0, tabCountButton);

    homePage = new HomePage(this);
    connect(homePage, &HomePage::SignalClickedTool, this, &MainView::SlotClickedTool);
    connect(homePage, &HomePage::SignalCreateBlankPDF, this, &MainView::SlotCreateBlankPDF);
    connect(homePage, &HomePage::SignalClickedOpen, this, &MainView::SlotTabClickedAdd);
    connect(homePage, &HomePage::SignalOpenFile, this, &MainView::SlotOpenFile);
    AddPage(homePage);

    ShowHome(true);
    UpdateText();
    setWindowTitle(MKApplication::getInstance() ? MKApplication::getInstance()->GetAppValue("Title")
                                                : QString());
    auto* openShortcut = new QShortcut(QKeySequence::Open, this);
    openShortcut->setContext(Qt::WindowShortcut);
    connect(openShortcut, &QShortcut::activated, this, &MainView::SlotTabClickedAdd);
    RestoreWindowGeometry();
}

MainView::~MainView() = default;

void MainView::UpdateText()
{
    MKMainWindow::UpdateText();
    homeButton->setToolTip(tr("Startup Page"));
    addButton->setToolTip(tr("Open PDF") + QStringLiteral("(%1)").arg(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)));
    tabCountButton->setToolTip(tr("Open Tabs"));
}

QList<QWidget*> MainView::Documents() const
{
    QList<QWidget*> list;
    for (int i = 0; i < tabBar->GetItemCount(); ++i) {
        if (QWidget* widget = tabBar->GetItem(i).widget)
            list << widget;
    }
    return list;
}

void MainView::ShowHome(bool on)
{
    homeButton->setEnabled(!on);
    if (on)
        SetCurrentPage(0);
}

void MainView::SlotSelectHome(bool checked)
{
    ShowHome(checked);
    if (checked && tabBar) {
        tabBar->ClearCurrent();
        setWindowTitle(MKApplication::getInstance()->GetAppValue("Title"));
        UpdateWindowState();
    }
}

void MainView::SlotTabSelectChanged(int nIndex)
{
    if (nIndex >= 0) {
        homeButton->setChecked(false);
        SetCurrentPage(tabBar->GetItem(nIndex).widget);
        setWindowTitle(tabBar->GetItemTitle(nIndex));
    } else {
        homeButton->setChecked(true);
    }
    UpdateWindowState();
}

void MainView::UpdateWindowState()
{
    setWindowModified(tabBar->IsCurrentDirty());
}

void MainView::SlotTabCountChanged()
{
    const int count = tabBar->GetItemCount();
    tabCountButton->setText(QString::number(count));
    tabCountButton->setVisible(count >= 1);
    if (count == 0)
        addButton->move(10, 6);
}

void MainView::SlotTabWidthChanged(const QPoint& pos)
{
    const int x = qMin(pos.x() + 10, tabBar->width() - 24);
    addButton->move(x, 6);
}

void MainView::SlotCloseTab(int nIndex)
{
    if (nIndex < 0)
        return;
    if (QWidget* widget = tabBar->GetItem(nIndex).widget)
        widget->close();
}

void MainView::SlotTabItemDragIn(const QString& tabText, bool dirty, QWidget* tabWidget)
{
    // The payload may come from any program: only a live document of this
    // process is ever touched.
    if (!MainBox::IsLiveBox(tabWidget))
        return;
    AttachDocument(tabText, dirty, tabWidget);
}

void MainView::ShowFailure(const QString& reason)
{
    MKMessageBox::information(true, this, this, QString(), tr("Failed to Open"), reason, 1024, 332);
}

void MainView::SlotOpenFile(int& nRet, const QVariantMap& mapInfo, bool bTips)
{
    Q_UNUSED(bTips);
    nRet = -1;
    const QString path = mapInfo.value("path").toString();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.exists()) {
        ShowFailure(tr("The file might have been moved, damaged, or deleted."));
        return;
    }
    if (info.suffix().compare("pdf", Qt::CaseInsensitive) != 0) {
        ShowFailure(tr("Unsupported file format."));
        return;
    }
    if (CMainViewManager::getInstance()->FindOpenedDocument(path, mapInfo)) {
        nRet = 0;
        return;
    }
    QVariantMap request = WithViewDefaults(mapInfo);
    request["comment"] = CSettingManager::getInstance()->GetComments();
    const bool privateMode = CSettingManager::getInstance()->IsPrivateEnabled();

    QWidget* widget = MainBox::CreatePdfBox(this, path, request, nRet);
    if (!widget) {
        if (nRet != 100)
            ShowFailure(tr("The file might have been moved, damaged, or deleted."));
        return;
    }
    AttachDocument(info.completeBaseName(), false, widget);
    if (!privateMode)
        CRecentManager::getInstance()->AddRecord(path, request);
}

QVariantMap MainView::WithViewDefaults(const QVariantMap& request) const
{
    QVariantMap result = request;
    const QVariantMap display = CSettingManager::getInstance()->GetDisplay();
    if (result.value("pageIndex").isNull())
        result["pageIndex"] = 0;
    if (result.value("zoom").isNull())
        result["zoom"] = display.value("Page_View");
    if (result.value("displayMode").isNull())
        result["displayMode"] = display.value("Page_Layout");
    if (result.value("cursor").isNull())
        result["cursor"] = display.value("Page_Cursor");
    return result;
}

void MainView::RemoveRecentPath(const QString& path)
{
    homePage->RemoveRecordByPath(path);
}

void MainView::AttachDocument(const QString& caption, bool dirty, QWidget* widget)
{
    tabBar->AddItem(caption, dirty, widget, true);
    widget->setParent(this);
    // A widget arriving from another window drops its old window first.
    const char* signalsToMove[] = {
        SIGNAL(SignalFirstThumbRendered(const QString&, bool)), SIGNAL(SignalDocumentRename(const QString&, const QString&)),
        SIGNAL(SignalDocumentSaveAs(const QString&, const QString&)), SIGNAL(SignalDocumentChanged(bool)),
        SIGNAL(SignalDocumentClosed(bool)), SIGNAL(SignalDocumentOpenAttachment(const QString&)),
        SIGNAL(SignalGetUserName(QString&)), SIGNAL(SignalSetTitleBarVisible(bool)),
        SIGNAL(SignalCommentOptionChanged()), SIGNAL(SignalClickedFile(const QPoint&))};
    for (const char* signal : signalsToMove)
        widget->disconnect(signal);
    connect(widget, SIGNAL(SignalFirstThumbRendered(const QString&, bool)), this,
            SLOT(SlotFirstThumbRendered(const QString&, bool)), Qt::QueuedConnection);
    connect(widget, SIGNAL(SignalDocumentRename(const QString&, const QString&)), this,
            SLOT(SlotDocumentRename(const QString&, const QString&)));
    connect(widget, SIGNAL(SignalDocumentSaveAs(const QString&, const QString&)), this,
            SLOT(SlotDocumentSaveAs(const QString&, const QString&)));
    connect(widget, SIGNAL(SignalDocumentChanged(bool)), this, SLOT(SlotDocumentChanged(bool)));
    connect(widget, SIGNAL(SignalDocumentClosed(bool)), this, SLOT(SlotDocumentClosed(bool)));
    AddPage(widget);
    UpdateWindowState();
}

bool MainView::ActivateDocument(const QString& path, const QVariantMap& request)
{
    for (QWidget* page : Documents()) {
        auto* box = qobject_cast<MainBox*>(page);
        if (!box || !MKBase::CFileUtils::IsTheSameFile(box->GetDocumentFilePath(), path))
            continue;
        tabBar->SetCurrentIndex(tabBar->IndexOfWidget(box));
        RaiseWindow();
        if (request.contains("toolID"))
            box->HandleToolID(request.value("toolID").toInt());
        return true;
    }
    return false;
}

void MainView::OpenPathFromOutside(const QString& path)
{
    int nRet = -1;
    SlotOpenFile(nRet, QVariantMap{{"path", path}}, true);
    if (nRet != 0 && nRet != 100)
        RemoveRecentPath(path);
}

void MainView::RaiseWindow()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    else
        setWindowState(windowState() | Qt::WindowActive);
    raise();
    activateWindow();
}

void MainView::SlotTabClickedAdd()
{
    OpenFilesDialog(-1);
}

void MainView::OpenFilesDialog(int nTool)
{
    QString folder = CSettingManager::getInstance()->GetRecord("last_folder").toString();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open"), folder, QStringLiteral("PDF Files (*.pdf);;All Files (*.*)"));
    if (files.isEmpty())
        return;
    CSettingManager::getInstance()->SetRecord("last_folder", QFileInfo(files.first()).absolutePath());
    for (const QString& file : files) {
        int nRet = -1;
        SlotOpenFile(nRet, QVariantMap{{"path", file}, {"toolID", nTool}}, true);
        if (nRet != 0 && nRet != 100)
            RemoveRecentPath(file);
    }
}

void MainView::SlotClickedTool(int nTool)
{
    switch (nTool) {
    case 0:
    case 2:
    case 3:
    case 4:
        OpenFilesDialog(nTool);
        break;
    case 1:
        SlotCreateBlankPDF();
        break;
    default:
        break;
    }
}

void MainView::SlotCreateBlankPDF()
{
    CSettingManager* settings = CSettingManager::getInstance();
    const QString tempPath = settings->GetBlankFilePath();
    QVariantMap request;
    request["pageSize"] = settings->GetBlankPageSize();
    request["pageCount"] = settings->GetBlank().value("Page_Count");
    request["tempPath"] = tempPath;
    request = WithViewDefaults(request);
    request["comment"] = settings->GetComments();
    int nRet = -1;
    QWidget* widget = MainBox::CreatePdfBox(this, request, nRet);
    if (!widget)
        return;
    AttachDocument(QFileInfo(tempPath).completeBaseName(), true, widget);
    MKBase::CGaReportManager::getInstance()->SendGaReport("Creat_Blank_PDF", QString(), false);
}

void MainView::SlotFirstThumbRendered(const QString& pdfPath, bool hasPassword)
{
    CRecentManager::getInstance()->SetHasPassword(pdfPath, hasPassword);
}

void MainView::SlotDocumentRename(const QString& strOld, const QString& strNew)
{
    auto* widget = qobject_cast<QWidget*>(sender());
    if (!widget)
        return;
    tabBar->SetItemText(tabBar->IndexOfWidget(widget), QFileInfo(strNew).completeBaseName());
    CRecentManager::getInstance()->RenameRecord(strOld, strNew);
}

void MainView::SlotDocumentSaveAs(const QString& strOld, const QString& strNew)
{
    Q_UNUSED(strOld);
    const QVariantMap request = WithViewDefaults({{"path", strNew}});
    const bool privateMode = CSettingManager::getInstance()->IsPrivateEnabled();
    auto* widget = qobject_cast<QWidget*>(sender());
    if (!widget)
        return;
    tabBar->SetItemText(tabBar->IndexOfWidget(widget), QFileInfo(strNew).completeBaseName());
    if (!privateMode)
        CRecentManager::getInstance()->AddRecord(strNew, request);
}

void MainView::SlotDocumentChanged(bool bDirty)
{
    if (auto* widget = qobject_cast<QWidget*>(sender())) {
        const int index = tabBar->IndexOfWidget(widget);
        tabBar->SetItemDirty(index, bDirty);
        if (index == tabBar->CurrentIndex())
            setWindowTitle(tabBar->GetItemTitle(index));
    }
    UpdateWindowState();
}

void MainView::SlotGetRecentFileList(QStringList& listRecent)
{
    if (PageWidgetOfIndex(0) == homePage)
        homePage->GetRecentFileList(listRecent);
}

void MainView::SlotDocumentClosed(bool bClosed)
{
    if (!bClosed) {
        emit SignalMainViewClosed(false);
        return;
    }
    auto* widget = qobject_cast<QWidget*>(sender());
    if (!widget)
        return;
    if (auto* box = qobject_cast<MainBox*>(widget)) {
        QVariantMap view = box->GetDisplayOption();
        if (!CSettingManager::getInstance()->GetGeneral().value("Restore_View", true).toBool()) {
            view["pageIndex"] = 0;
            view["zoom"] = -2.0f;
        }
        CRecentManager::getInstance()->UpdateRecordInfo(box->GetDocumentFilePath(), view);
    }
    const int index = tabBar->IndexOfWidget(widget);
    if (index >= 0)
        tabBar->RemoveItem(index);
    RemovePage(widget);
    widget->hide();
    widget->deleteLater();
    if (tabBar->GetItemCount() == 0)
        homeButton->setChecked(true);
    UpdateWindowState();
}

void MainView::SlotClickedMenu()
{
    // Until the help menu exists, the menu button opens the preferences.
    SlotSettings(0);
}

QVariantMap MainView::ShowSettingDialog(QVariantMap mapInfo)
{
    SettingOption dialog(this);
    dialog.SetAppInfo(mapInfo, mapInfo.value("languages").toMap(), mapInfo.value("index").toInt());
    dialog.ShowMask(this, false);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    mapInfo["language"] = dialog.GetLanguage();
    mapInfo["skin"] = dialog.GetSkin();
    MKApplication* app = MKApplication::getInstance();
    const QString bundleId = app->GetAppValue("BundleId");
    if (CSettingManager::getInstance()->IsDefaultViewer()
        && !MKBase::CAssocUtils::IsDefaultPdfLauncher(bundleId))
        MKBase::CAssocUtils::SetPdfLauncher(bundleId, app->GetAppValue("Title"), true);
    return mapInfo;
}

void MainView::closeEvent(QCloseEvent* event)
{
    // Every document must agree before the window goes.
    for (QWidget* document : Documents())
        document->close();
    if (!Documents().isEmpty()) {
        event->ignore();
        emit SignalMainViewClosed(false);
        return;
    }
    SaveWindowGeometry();
    emit SignalMainViewClosed(true);
    MKMainWindow::closeEvent(event);
}

void MainView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    MKMainWindow::dragEnterEvent(event);
}

void MainView::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        for (const QUrl& url : event->mimeData()->urls()) {
            const QString path = url.toLocalFile();
            QTimer::singleShot(100, this, [this, path]() {
                int nRet = -1;
                SlotOpenFile(nRet, QVariantMap{{"path", path}}, false);
            });
        }
    }
    MKMainWindow::dropEvent(event);
}

void MainView::SaveWindowGeometry()
{
    CSettingManager* settings = CSettingManager::getInstance();
    settings->SetRecord("Window_Geometry", saveGeometry());
    settings->SetRecord("Window_Maximized", isMaximized());
}

void MainView::RestoreWindowGeometry()
{
    CSettingManager* settings = CSettingManager::getInstance();
    const QByteArray geometry = settings->GetRecord("Window_Geometry").toByteArray();
    const bool maximized = settings->GetRecord("Window_Maximized").toBool();
    if (geometry.isEmpty()) {
        resize(1280, 800);
        MoveToCenter();
    } else if (!maximized) {
        restoreGeometry(geometry);
    } else {
        showMaximized();
    }
    if (maximized)
        titleBar()->SetMaximized(true);
}
