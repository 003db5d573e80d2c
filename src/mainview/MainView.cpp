#include "MainView.h"

#include "CAssocUtils.h"
#include "CLaunchActivation.h"
#include "CFileUtils.h"
#include "CGaReportManager.h"
#include "CHoverButton.h"
#include "CMemberManager.h"
#include "CSystemUtils.h"
#include "CWindowTitleBar.h"
#include "MKApplication.h"
#include "MKCheckBox.h"
#include "MKMessageBox.h"
#include "MainBox.h"
#include "guide/AssocGuidBox.h"
#include "guide/LogGuidBox.h"
#include "home/HomePage.h"
#include "recent/CRecentManager.h"
#include "setting/CSettingManager.h"
#include "setting/SettingOption.h"
#include "tabbar/CTabBar.h"
#include "windows/CMainViewManager.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QDesktopServices>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace {

QString AppValue(const QString& key)
{
    MKApplication* app = MKApplication::getInstance();
    return app ? app->GetAppValue(key) : QString();
}

bool IsSupportedFile(const QString& path)
{
    static const QStringList suffixes {QStringLiteral("pdf")};
    return suffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

} // namespace

MainView::MainView(QWidget* parent)
    : MKMainWindow(parent)
    , menu(this)
{
    setAcceptDrops(true);

    homeButton = new QPushButton(this);
    homeButton->setCheckable(true);
    homeButton->setChecked(true);
    connect(homeButton, &QPushButton::toggled, this, &MainView::SlotSelectHome);
    const QString type = MKApplication::getInstance() ? MKApplication::getInstance()->GetProductType() : QString();
    homeButton->setObjectName(type.isEmpty() ? QStringLiteral("button_home") : QStringLiteral("button_home_%1").arg(type));
    homeButton->setFixedSize(36, 28);
    homeButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);

    tabBar = new CTabBar(this);
    connect(tabBar, &CTabBar::SignalItemDragOut, this, &MainView::SlotTabItemDragOut, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalItemDragIn, this, &MainView::SlotTabItemDragIn, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalClickedAdd, this, &MainView::SlotTabClickedAdd, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalSelectChanged, this, &MainView::SlotTabSelectChanged, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalCloseTab, this, &MainView::SlotCloseTab, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalContextMenu, this, &MainView::SlotContextMenu, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalItemCountChanged, this, &MainView::SlotTabCountChanged, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalItemWidthChanged, this, &MainView::SlotTabWidthChanged, Qt::QueuedConnection);

    if (CWindowTitleBar* bar = titleBar()) {
        bar->AddWidgetToLeft(homeButton);
        bar->AddWidgetToLeft(tabBar, 1);
        addButton = new QPushButton(tabBar);
        addButton->setObjectName("tab_add");
        addButton->setFixedSize(28, 28);
        addButton->setFocusPolicy(Qt::NoFocus);
        addButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
        connect(addButton, &QPushButton::clicked, this, &MainView::SlotTabClickedAdd);
        addButton->move(10, 6);
        tabCountButton = new QPushButton(this);
        tabCountButton->setObjectName("tab_num");
        tabCountButton->setFixedHeight(24);
        tabCountButton->setMinimumWidth(21);
        tabCountButton->setFocusPolicy(Qt::NoFocus);
        tabCountButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
        connect(tabCountButton, &QPushButton::clicked, tabBar, &CTabBar::SlotClickedNum);
        tabCountButton->hide();
        bar->InsertToolButton(0, tabCountButton);
    }

    homePage = new HomePage(this);
    connect(homePage, &HomePage::SignalClickedTool, this, &MainView::SlotClickedTool);
    connect(homePage, &HomePage::SignalCreateBlankPDF, this, &MainView::SlotCreateBlankPDF);
    connect(homePage, &HomePage::SignalClickedOpen, this, &MainView::SlotTabClickedAdd);
    connect(homePage, &HomePage::SignalOpenFile, this, &MainView::SlotOpenFile);
    AddPage(homePage);

    connect(&menu, &DocumentMenu::SignalClickedSet, this, [this] { SlotSettings(); });
    connect(&menu, &DocumentMenu::SignalClickedFeedback, this, &MainView::SlotClickedFeedback);
    connect(&menu, &DocumentMenu::SignalClickedUpdate, this, &MainView::SlotClickedUpdate);
    connect(&menu, &DocumentMenu::SignalClickedAbout, this, &MainView::SlotClickedAbout);
    connect(&menu, &DocumentMenu::SignalClickedCreateLink, this, &MainView::SlotClickedCreateLink);
    connect(&menu, &DocumentMenu::SignalClickedSetAsDefault, this, &MainView::SlotClickedSetAsDefault);
    connect(&menu, &DocumentMenu::SignalMenuTrigger, this, &MainView::SlotMenuTriggered);
    connect(&menu, &DocumentMenu::SignalGetRecentFileList, this, &MainView::SlotGetRecentFileList);
    connect(&menu, &DocumentMenu::SignalGetCurrentTabInfo, this, &MainView::SlotGetCurrentTabInfo);
    connect(&menu, &DocumentMenu::SignalRecentOpenFile, this, [this](const QString& path) { OpenAndForgetFailure(path, true); });

    ShowHome(true);
    UpdateText();
    setWindowTitle(AppValue("Title"));

    // Every shortcut the menus show works in this window, Ctrl+O and Ctrl+N
    // included, through the menu items themselves.
    menu.AttachShortcuts(this);
    menu.UpdateState();
    RestoreWindowGeometry();
}

MainView::~MainView() = default;

bool MainView::event(QEvent* event)
{
    // The native window exists from the first show; its state changes are
    // watched from then on.
    if (event->type() == QEvent::WinIdChange && windowHandle()) {
        connect(windowHandle(), &QWindow::windowStateChanged, this, &MainView::SlotWindowStateChanged,
                Qt::UniqueConnection);
    }
    return MKMainWindow::event(event);
}

void MainView::changeEvent(QEvent* event)
{
    MKMainWindow::changeEvent(event);
}

// --- home and tabs ----------------------------------------------------------

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
        setWindowTitle(AppValue("Title"));
        UpdateWindowState();
    }
}

void MainView::SlotTabSelectChanged(int nIndex)
{
    // The signal is queued: a tab that went meanwhile is no longer there.
    if (nIndex >= tabBar->GetItemCount())
        return;
    if (nIndex >= 0) {
        homeButton->setChecked(false);
        SetCurrentPage(tabBar->GetItem(nIndex).widget);
        setWindowTitle(tabBar->GetItemTitle(nIndex));
        if (!isFullScreen())
            ForwardMenuAction(QStringLiteral("exit_full_screen"));
    } else {
        homeButton->setChecked(true);
    }
    UpdateWindowState();
}

void MainView::UpdateWindowState()
{
    setWindowModified(tabBar->IsCurrentDirty());
    emit windowTitleChanged(QString());
    menu.UpdateState();
}

void MainView::SlotTabCountChanged()
{
    if (!tabBar)
        return;
    const int count = tabBar->GetItemCount();
    tabCountButton->setText(QString::number(count));
    tabCountButton->setVisible(count >= 1);
    if (count == 0)
        addButton->move(10, 6);
}

void MainView::SlotTabWidthChanged(const QPoint& pos)
{
    if (!tabBar)
        return;
    const int x = qMin(pos.x() + 10, tabBar->width() - 24);
    addButton->move(x, 6);
}

void MainView::SlotDocumentChanged(bool bDirty)
{
    if (auto* widget = qobject_cast<QWidget*>(sender())) {
        int index = tabBar->IndexOfWidget(widget);
        if (index < 0)
            index = tabBar->CurrentIndex();
        tabBar->SetItemDirty(index, bDirty);
        if (index == tabBar->CurrentIndex())
            setWindowTitle(tabBar->GetItemTitle(index));
    }
    UpdateWindowState();
}

void MainView::ForwardMenuAction(const QVariant& action)
{
    if (auto* box = qobject_cast<MainBox*>(tabBar->GetItem(tabBar->CurrentIndex()).widget))
        box->OnMainMenuTrigger(action);
}

void MainView::SlotMenuTriggered(const QVariant& action)
{
    const QString key = action.toString();
    if (key == "open_in_new_window") {
        if (tabBar->GetItemCount() <= 1)
            return;
        const int index = tabBar->CurrentIndex();
        const TabItem item = tabBar->GetItem(index);
        if (item.widget) {
            MoveTabToNewWindow(item.text, item.dirty, item.widget, QPoint(0, 0));
            UpdateWindowState();
            tabBar->RemoveItem(index);
        }
    } else if (key == "close_tab") {
        CloseCurrentTab();
    } else if (key == "close_other_tabs") {
        SlotCloseOtherTabs();
    } else if (key == "close_all_tabs") {
        SlotCloseAllTabs();
    } else if (key == "open") {
        SlotTabClickedAdd();
    } else if (key == "new") {
        SlotCreateBlankPDF();
    } else if (key == "close_window") {
        CloseWindowTabs();
    } else if (key == "close_all_windows") {
        CMainViewManager::getInstance()->CloseAllViews();
    } else if (key == "minimun") {
        showMinimized();
    } else if (key == "zoom") {
        if (window()->isMaximized())
            showNormal();
        else
            showMaximized();
    } else if (key == "move_left" || key == "move_right" || key == "replace") {
        // Window tiling has no equivalent here.
    } else if (key == "next_tab") {
        tabBar->SetCurrentIndex(tabBar->CurrentIndex() + 1);
    } else if (key == "pre_tab") {
        tabBar->SetCurrentIndex(tabBar->CurrentIndex() - 1);
    } else if (key == "bing_front") {
        CMainViewManager::getInstance()->ActivateAllViews();
    } else if (key == "set") {
        SlotSettings(0);
    } else {
        ForwardMenuAction(action);
    }
}

void MainView::SlotContextMenu(const QPoint& pos)
{
    menu.ShowTabMenu(this, pos);
}

void MainView::SlotClickedMenu()
{
    auto* button = qobject_cast<QWidget*>(sender());
    if (!button)
        return;
    menu.ShowHelpMenu(this, button->mapToGlobal(QPoint(0, button->y() + button->height())));
}

void MainView::SlotClickedFile(const QPoint& pos)
{
    menu.ShowFileMenu(this, pos);
}

void MainView::SlotGetRecentFileList(QStringList& listRecent)
{
    if (PageWidgetOfIndex(0) == homePage)
        homePage->GetRecentFileList(listRecent);
}

void MainView::SlotGetCurrentTabInfo(QVariantMap& info)
{
    info.clear();
    const int index = tabBar->CurrentIndex();
    auto* box = qobject_cast<MainBox*>(tabBar->GetItem(index).widget);
    if (!box)
        return;
    info["dirty"] = tabBar->IsItemDirty(index);
    info["tabCount"] = tabBar->GetItemCount();
    info["is_temp"] = box->isTempDoc();
    info["module_index"] = box->GetModuleIndex();
}

void MainView::SlotGetUserName(QString& user_name)
{
    static const QString homeName = [] {
        const QStringList homes = QStandardPaths::standardLocations(QStandardPaths::HomeLocation);
        return homes.isEmpty() ? QString() : homes.first().section('/', -1);
    }();
    user_name = homeName;
    CMemberManager* member = CMemberManager::getInstance();
    if (member->GetAccountState() != 0 && !member->GetMemberEmail().isEmpty())
        user_name = member->GetMemberEmail();
}

void MainView::SlotSetTitleBarVisible(bool visible)
{
    if (titleBar())
        titleBar()->setVisible(visible);
}

void MainView::SlotWindowStateChanged(Qt::WindowState state)
{
    const bool full = state & Qt::WindowFullScreen;
    if (titleBar())
        titleBar()->EnterFullScreen(full);
    if (!full) {
        if (titleBar() && titleBar()->isHidden())
            titleBar()->show();
        ForwardMenuAction(QStringLiteral("exit_full_screen"));
    }
}

void MainView::SlotCommentOptionChanged()
{
    if (auto* box = qobject_cast<MainBox*>(tabBar->GetItem(tabBar->CurrentIndex()).widget))
        CSettingManager::getInstance()->SetComments(box->GetCommentOption());
}

void MainView::UpdateText()
{
    MKMainWindow::UpdateText();
    homeButton->setToolTip(tr("Startup Page"));
    if (addButton)
        addButton->setToolTip(tr("Open PDF") + QStringLiteral("(%1)").arg(
                                                   QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)));
    if (tabCountButton)
        tabCountButton->setToolTip(tr("Open Tabs"));
    menu.UpdateText();
}

void MainView::UpdateSkin()
{
    MKMainWindow::UpdateSkin();
    menu.UpdateIcons();
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
    const QString appId = AppValue("AppId");
    if (CSettingManager::getInstance()->IsDefaultViewer() && !MKBase::CAssocUtils::IsDefaultPdfLauncher(appId))
        MKBase::CAssocUtils::SetPdfLauncher(appId, AppValue("Title"), true);
    return mapInfo;
}

void MainView::ShowNotice(const QString& text)
{
    MKMessageBox::information(true, this, this, AppValue("Title"), text, QString(), 1024, 332);
}

void MainView::SlotClickedCreateLink()
{
    const QString title = AppValue("Title");
    const QString user = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/" + title + ".desktop";
    const QString publicDesktop = MKBase::CFileUtils::GetPublicDesktopPath();
    const QString shared = publicDesktop.isEmpty() ? QString() : publicDesktop + "/" + title + ".desktop";
    if (QFileInfo::exists(user) || (!shared.isEmpty() && QFileInfo::exists(shared))) {
        ShowNotice(tr("Shortcut already exists."));
        return;
    }
    const bool created = MKBase::CFileUtils::CreateDesktopLink(MKBase::CFileUtils::GetAppDirPath(),
                                                               MKBase::CFileUtils::GetAppFilePath(), QString(),
                                                               user, title, QCoreApplication::applicationName());
    ShowNotice(created ? tr("Shortcut successfully created!") : tr("Failed to create shortcuts."));
}

// --- opening ----------------------------------------------------------------

void MainView::ShowFailure(const QString& reason)
{
    MKMessageBox::information(true, this, this, QString(), tr("Failed to Open"), reason, 1024, 332);
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

void MainView::SlotOpenFile(int& nRet, const QVariantMap& mapInfo, bool bTips)
{
    Q_UNUSED(bTips);
    nRet = -1;
    // One spelling per file: the recent list and the open-copy search
    // compare absolute, clean paths.
    const QString given = mapInfo.value("path").toString();
    if (given.isEmpty())
        return;
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(given));
    const QFileInfo info(path);
    if (!info.exists()) {
        ShowFailure(tr("The file might have been moved, damaged, or deleted."));
        return;
    }
    if (!IsSupportedFile(path)) {
        ShowFailure(tr("Unsupported file format."));
        return;
    }
    if (CMainViewManager::getInstance()->FindOpenedDocument(path, mapInfo)) {
        nRet = 0;
        return;
    }
    QVariantMap request = WithViewDefaults(mapInfo);
    request["path"] = path;
    request["comment"] = CSettingManager::getInstance()->GetComments();
    const bool privateMode = CSettingManager::getInstance()->IsPrivateEnabled();
    request["recordThumbnail"] = !privateMode;
    QWidget* widget = MainBox::CreatePdfBox(this, path, request, nRet);
    if (!widget) {
        if (nRet != 100)
            ShowFailure(tr("The file might have been moved, damaged, or deleted."));
        return;
    }
    AttachDocument(info.completeBaseName(), false, widget);
    if (!privateMode)
        CRecentManager::getInstance()->AddRecord(path, request);
    QTimer::singleShot(1000, this, &MainView::SlotCheckDefaultLauncher);
}

int MainView::IndexOfDocument(const QString& path) const
{
    for (int i = 0; i < tabBar->GetItemCount(); ++i) {
        auto* box = qobject_cast<MainBox*>(tabBar->GetItem(i).widget);
        if (box && MKBase::CFileUtils::IsTheSameFile(box->GetDocumentFilePath(), path))
            return i;
    }
    return -1;
}

bool MainView::ActivateDocument(const QString& path, const QVariantMap& request)
{
    const int index = IndexOfDocument(path);
    if (index < 0)
        return false;
    tabBar->SetCurrentIndex(index);
    RaiseWindow();
    if (request.contains("toolID")) {
        if (auto* box = qobject_cast<MainBox*>(tabBar->GetItem(index).widget))
            box->HandleToolID(request.value("toolID").toInt());
    }
    return true;
}

void MainView::AttachDocument(const QString& caption, bool dirty, QWidget* widget)
{
    if (!tabBar || !widget)
        return;
    tabBar->AddItem(caption, dirty, widget, true);
    widget->setParent(this);
    // A widget arriving from another window drops its old window first.
    const char* documentSignals[] = {
        SIGNAL(SignalFirstThumbRendered(const QString&, bool)), SIGNAL(SignalDocumentRename(const QString&, const QString&)),
        SIGNAL(SignalDocumentSaveAs(const QString&, const QString&)), SIGNAL(SignalDocumentChanged(bool)),
        SIGNAL(SignalDocumentClosed(bool)), SIGNAL(SignalDocumentOpenAttachment(const QString&)),
        SIGNAL(SignalGetUserName(QString&)), SIGNAL(SignalSetTitleBarVisible(bool)),
        SIGNAL(SignalCommentOptionChanged()), SIGNAL(SignalClickedFile(const QPoint&))};
    for (const char* signal : documentSignals)
        widget->disconnect(signal);
    connect(widget, SIGNAL(SignalFirstThumbRendered(const QString&, bool)), this,
            SLOT(SlotFirstThumbRendered(const QString&, bool)), Qt::QueuedConnection);
    connect(widget, SIGNAL(SignalDocumentRename(const QString&, const QString&)), this,
            SLOT(SlotDocumentRename(const QString&, const QString&)));
    connect(widget, SIGNAL(SignalDocumentSaveAs(const QString&, const QString&)), this,
            SLOT(SlotDocumentSaveAs(const QString&, const QString&)));
    connect(widget, SIGNAL(SignalDocumentChanged(bool)), this, SLOT(SlotDocumentChanged(bool)));
    connect(widget, SIGNAL(SignalDocumentClosed(bool)), this, SLOT(SlotDocumentClosed(bool)));
    connect(widget, SIGNAL(SignalDocumentOpenAttachment(const QString&)), this,
            SLOT(SlotDocumentOpenAttachment(const QString&)), Qt::QueuedConnection);
    connect(widget, SIGNAL(SignalGetUserName(QString&)), this, SLOT(SlotGetUserName(QString&)));
    connect(widget, SIGNAL(SignalSetTitleBarVisible(bool)), this, SLOT(SlotSetTitleBarVisible(bool)));
    connect(widget, SIGNAL(SignalCommentOptionChanged()), this, SLOT(SlotCommentOptionChanged()));
    connect(widget, SIGNAL(SignalClickedFile(const QPoint&)), this, SLOT(SlotClickedFile(const QPoint&)));
    AddPage(widget);
    UpdateWindowState();
}

void MainView::RemoveRecentPath(const QString& path)
{
    if (PageWidgetOfIndex(0) == homePage)
        homePage->RemoveRecordByPath(path);
}

void MainView::OpenAndForgetFailure(const QString& path, bool bTips)
{
    int nRet = -1;
    SlotOpenFile(nRet, QVariantMap{{"path", path}}, bTips);
    if (nRet != 0 && nRet != 100)
        RemoveRecentPath(path);
}

void MainView::OpenPathFromOutside(const QString& path)
{
    OpenAndForgetFailure(path, true);
}

void MainView::RaiseWindow(const QByteArray& startupId, const QByteArray& activationToken)
{
    CLaunchActivation::Activate(this, startupId, activationToken);
}

void MainView::SlotTabClickedAdd()
{
    OpenFilesDialog(-1);
}

void MainView::OpenFilesDialog(int nTool)
{
    if (!tabBar)
        return;
    QString folder = CSettingManager::getInstance()->GetRecord("last_folder").toString();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open"), folder, QStringLiteral("PDF Files (%1);;All Files (*.*)").arg("*.pdf"));
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
    // A new document is in no recent list: no picture is kept for it.
    request["recordThumbnail"] = false;
    int nRet = -1;
    QWidget* widget = MainBox::CreatePdfBox(this, request, nRet);
    if (!widget) {
        const QString folder = QDir::toNativeSeparators(QFileInfo(tempPath).absolutePath());
        MKMessageBox::information(true, this, this, QString(), tr("Failed to Create PDF"),
                                  tr("The new document could not be written to \"%1\". Check that the folder "
                                     "exists and that you may write there.").arg(folder),
                                  1024, 332);
        return;
    }
    AttachDocument(QFileInfo(tempPath).completeBaseName(), true, widget);
    MKBase::CGaReportManager::getInstance()->SendGaReport("Creat_Blank_PDF", QString(), false);
}

void MainView::SlotDocumentOpenAttachment(const QString& strPath)
{
    if (IsSupportedFile(strPath))
        OpenAndForgetFailure(strPath, false);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(strPath));
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
    const int index = tabBar->IndexOfWidget(widget);
    tabBar->SetItemText(index >= 0 ? index : tabBar->CurrentIndex(), QFileInfo(strNew).completeBaseName());
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
    const int index = tabBar->IndexOfWidget(widget);
    tabBar->SetItemText(index >= 0 ? index : tabBar->CurrentIndex(), QFileInfo(strNew).completeBaseName());
    if (!privateMode)
        CRecentManager::getInstance()->AddRecord(strNew, request);
}

// --- moving tabs between windows -------------------------------------------

void MainView::SlotTabItemDragOut(int nIndex, QPoint posMouse)
{
    if (!tabBar)
        return;
    const TabItem item = tabBar->GetItem(nIndex);
    if (!item.widget)
        return;
    tabBar->RemoveItem(nIndex);
    if (tabBar->GetItemCount() == 0)
        homeButton->setChecked(true);

    QPixmap image(size());
    image.fill(Qt::transparent);
    render(&image, QPoint(0, 0), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    const QSize scaled = size().scaled(168, 168, Qt::KeepAspectRatio);
    image = image.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    QPointer<QWidget> widget = item.widget;
    CTabBar::BeginTabDrag(item.widget);
    auto* drag = new QDrag(this);
    drag->setMimeData(CTabBar::EncodeDragData(item.text, item.dirty, item.widget));
    drag->setPixmap(image);
    drag->setHotSpot(QPoint(scaled.width() / 2, 10));
    const Qt::DropAction result = drag->exec(Qt::MoveAction);
    CTabBar::EndTabDrag();
    FinishTabDrag(item.text, item.dirty, widget, result, posMouse);
}

void MainView::FinishTabDrag(const QString& caption, bool dirty, QWidget* widget, Qt::DropAction result,
                             const QPoint& posMouse)
{
    // A drop that no tab bar of ours took (nothing, or another program)
    // leaves the document with nobody: it gets a window of its own.
    if (widget && MainBox::IsLiveBox(widget)
        && (result == Qt::IgnoreAction || CTabBar::LastAcceptedWidget() != widget)) {
        MoveTabToNewWindow(caption, dirty, widget, posMouse);
        UpdateWindowState();
    }
    QTimer::singleShot(100, this, [this]() {
        if (tabBar->GetItemCount() == 0)
            close();
    });
}

void MainView::SlotTabItemDragIn(const QString& tabText, bool dirty, QWidget* tabWidget)
{
    // The payload may come from any program: only a live document of this
    // process is ever touched.
    if (!MainBox::IsLiveBox(tabWidget))
        return;
    AttachDocument(tabText, dirty, tabWidget);
}

void MainView::MoveTabToNewWindow(const QString& caption, bool dirty, QWidget* widget, const QPoint& offset)
{
    const QPoint pointer = QCursor::pos();
    auto* target = qobject_cast<MainView*>(CMainViewManager::getInstance()->CreateMainView(nullptr));
    if (!target)
        return;
    target->show();
    target->move(pointer - offset);
    target->AttachDocument(caption, dirty, widget);
    if (auto* box = qobject_cast<MainBox*>(widget)) {
        if (target->titleBar())
            target->titleBar()->setVisible(!box->IsFullScreenReadModeEnable());
    }
    if (isFullScreen())
        target->showFullScreen();
}

// --- closing ----------------------------------------------------------------

void MainView::SlotCloseTab(int nIndex)
{
    if (nIndex < 0 || !tabBar)
        return;
    if (QWidget* widget = tabBar->GetItem(nIndex).widget)
        widget->close();
}

void MainView::CloseCurrentTab()
{
    SlotCloseTab(tabBar->CurrentIndex());
}

void MainView::SlotCloseOtherTabs()
{
    // Closing the others replaces a close-all chain still running.
    closingAll = false;
    const int count = tabBar->GetItemCount();
    closingOthers = count >= 2;
    if (closingOthers)
        SlotCloseTab(tabBar->CurrentIndex() == 0 ? 1 : 0);
}

void MainView::SlotCloseAllTabs()
{
    closingOthers = false;
    const int count = tabBar->GetItemCount();
    closingAll = count > 0;
    if (closingAll) {
        const int current = tabBar->CurrentIndex();
        SlotCloseTab(current >= 0 ? current : 0);
    }
}

void MainView::CloseWindowTabs()
{
    closingWindow = true;
    if (tabBar->GetItemCount() > 0)
        SlotCloseAllTabs();
    else
        QTimer::singleShot(100, this, &QWidget::close);
}

void MainView::StopClosing()
{
    closingWindow = closingAll = closingOthers = false;
    emit SignalMainViewClosed(false);
}

void MainView::SlotDocumentClosed(bool bClosed)
{
    if (!bClosed) {
        StopClosing();
        return;
    }
    auto* widget = qobject_cast<QWidget*>(sender());
    if (auto* box = qobject_cast<MainBox*>(widget)) {
        QVariantMap view = box->GetDisplayOption();
        if (!CSettingManager::getInstance()->GetGeneral().value("Restore_View", true).toBool()) {
            view["pageIndex"] = 0;
            view["zoom"] = -2.0f;
        }
        CRecentManager::getInstance()->UpdateRecordInfo(box->GetDocumentFilePath(), view);
    }
    if (widget) {
        const int index = tabBar->IndexOfWidget(widget);
        if (index >= 0)
            tabBar->RemoveItem(index);
        RemovePage(widget);
        widget->hide();
        // Destroyed once the engine has returned from its own emission.
        widget->deleteLater();
        if (tabBar->GetItemCount() == 0)
            homeButton->setChecked(true);
    }
    // With no tab left only the window's own close goes on. A step checks its
    // flag when it runs: a chain that ended or gave way meanwhile does nothing.
    if (tabBar->GetItemCount() == 0)
        closingAll = closingOthers = false;
    if (closingWindow) {
        QTimer::singleShot(100, this, [this]() {
            if (!closingWindow)
                return;
            if (tabBar->GetItemCount() > 1)
                SlotCloseAllTabs();
            else
                close();
        });
    } else if (closingAll) {
        QTimer::singleShot(100, this, [this]() {
            if (closingAll)
                SlotCloseAllTabs();
        });
    } else if (closingOthers) {
        QTimer::singleShot(100, this, [this]() {
            if (closingOthers)
                SlotCloseOtherTabs();
        });
    }
    UpdateWindowState();
    if (!closingWindow && tabBar->GetItemCount() == 0
        && CSettingManager::getInstance()->GetGeneral().value("Quit_Close", false).toBool())
        QTimer::singleShot(200, this, &QWidget::close);
}

void MainView::closeEvent(QCloseEvent* event)
{
    const int count = tabBar->GetItemCount();
    if (count == 1) {
        CloseWindowTabs();
        event->ignore();
        return;
    }
    // Ending with the session: no question but the ones about unsaved work.
    const bool terminating = CMainViewManager::getInstance()->IsTerminating();
    if (count >= 2) {
        if (terminating || MKCheckBox::IsMarked("close_all")) {
            CloseWindowTabs();
        } else {
            MKCheckBox box(true, this, QString(), tr("Do you want to close all tabs or the current tab?"),
                           tr("Always close all tabs"), tr("Close Current Tab"), tr("Close All Tabs"));
            box.ShowMask(this, false);
            const int answer = box.exec();
            if (answer == 1 || answer == 2)
                MKCheckBox::SetMarked("close_all", box.IsChecked());
            if (answer == 2) {
                CloseWindowTabs();
            } else {
                // The window stays: a quit of all windows stops here.
                emit SignalMainViewClosed(false);
                if (answer == 1)
                    CloseCurrentTab();
            }
        }
        event->ignore();
        return;
    }
    SaveWindowGeometry();
    if (!terminating && CMainViewManager::getInstance()->WindowsCount() == 1 && AppValue("ProductDomain") != "domestic")
        ShowReview(QStringLiteral("unknown"));
    emit SignalMainViewClosed(true);
    MKBase::CGaReportManager::ReleaseReport();
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
    settings->SetRecord("Window_State", saveState(0));
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
    const QByteArray state = settings->GetRecord("Window_State").toByteArray();
    if (!state.isEmpty())
        restoreState(state, 0);
    if (maximized) {
        if (auto* button = titleBar()->findChild<QPushButton*>("max_button"))
            button->setChecked(true);
    }
}

// --- default viewer and sign-in guides ------------------------------------

namespace {

// The default-viewer question is asked at most once per process.
bool defaultLauncherAsked = false;

} // namespace

void MainView::ResetDefaultLauncherCheck()
{
    defaultLauncherAsked = false;
}

void MainView::SlotCheckDefaultLauncher()
{
    // A window on its way out must not start a question: it would be
    // deleted while the question still runs inside it.
    CMainViewManager* manager = CMainViewManager::getInstance();
    if (defaultLauncherAsked || closingWindow || manager->IsQuittingAll() || manager->IsTerminating())
        return;
    defaultLauncherAsked = true;
    // Registering behind the user's back is only done where the system lets
    // an application do it; that is the case on every Linux desktop.
    const bool silent = !MKBase::CSystemUtils::IsWindows11OrGreater();
    const QString appId = AppValue("AppId");
    const QString title = AppValue("Title");
    CSettingManager* settings = CSettingManager::getInstance();
    if (settings->IsDefaultViewer()) {
        if (silent && !MKBase::CAssocUtils::IsDefaultPdfLauncher(appId))
            MKBase::CAssocUtils::SetPdfLauncher(appId, title, true);
        return;
    }
    if (MKCheckBox::IsMarked("pdf_Launcher") || MKBase::CAssocUtils::IsDefaultPdfLauncher(appId))
        return;
    MKCheckBox box(true, this, QString(), tr("Do you want to set %1 as your default PDF viewer?").arg(title),
                   tr("Don't show again"), tr("Later"), tr("Yes"));
    box.ShowMask(this, false);
    const int answer = box.exec();
    if (answer == 2) {
        MKBase::CAssocUtils::SetPdfLauncher(appId, title, true);
        settings->SetDefaultViewer(true);
        QTimer::singleShot(3000, this, &MainView::SlotPopoupAssocGuid);
    }
    if (box.IsChecked() && (answer == 1 || answer == 2))
        MKCheckBox::SetMarked("pdf_Launcher", true);
}

void MainView::SlotClickedSetAsDefault()
{
    MKBase::CAssocUtils::SetPdfLauncher(AppValue("AppId"), AppValue("Title"), true);
    CSettingManager::getInstance()->SetDefaultViewer(true);
    QTimer::singleShot(3000, this, &MainView::SlotPopoupAssocGuid);
}

void MainView::SlotPopoupAssocGuid()
{
    if (MKBase::CAssocUtils::IsDefaultPdfLauncher(AppValue("AppId")))
        return;
    auto* box = qobject_cast<MainBox*>(tabBar->GetItem(tabBar->CurrentIndex()).widget);
    if (!box || CurrentPage() != box)
        return;
    AssocGuidBox guide(this);
    guide.SetDocumentPath(box->GetDocumentFilePath());
    guide.ShowMask(this, false);
    guide.exec();
}

void MainView::SlotMemberEnterEvent()
{
    auto* button = qobject_cast<CHoverButton*>(sender());
    if (!button || CMemberManager::getInstance()->GetAccountState() != 0)
        return;
    if (!signInPopup) {
        SlotShowLogGuid();
        return;
    }
    signInPopup->StopTimer();
    QPointer<CHoverButton> watched(button);
    QTimer::singleShot(200, this, [this, watched]() {
        if (signInPopup && !signInPopup->isVisible() && watched && watched->IsMouseEnter())
            SlotShowLogGuid();
    });
}

void MainView::SlotMemberLeaveEvent()
{
    if (signInPopup && signInPopup->isVisible())
        signInPopup->StartTimer(200);
}

void MainView::SlotShowLogGuid()
{
    if (!signInPopup) {
        signInPopup = new LogGuidBox(this);
        signInPopup->setPopup(false);
        connect(signInPopup, &LogGuidBox::SignalClickedLogin, this, &MainView::SlotClickedMember);
    }
    QPoint pos = geometry().topRight();
    pos.ry() += 40;
    pos.rx() -= 270;
    signInPopup->move(pos);
    signInPopup->show();
    signInPopup->StopTimer();
}
