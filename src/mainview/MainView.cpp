#include "MainView.h"

#include "CAssocUtils.h"
#include "CFileUtils.h"
#include "CMemberManager.h"
#include "CWidgetUtils.h"
#include "CWindowTitleBar.h"
#include "MKApplication.h"
#include "MKMessageBox.h"
#include "MainBox.h"
#include "OpenRequestKeys.h"
#include "home/HomePage.h"
#include "setting/CSettingManager.h"
#include "setting/SettingKeys.h"
#include "setting/SettingOption.h"
#include "tabbar/CTabBar.h"

#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QWindow>

QString MainView::AppValue(const QString& key)
{
    MKApplication* app = MKApplication::getInstance();
    return app ? app->GetAppValue(key) : QString();
}

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
    homeButton->setObjectName(type.isEmpty() ? QStringLiteral("button_home")
                                             : QStringLiteral("button_home_%1").arg(type));
    homeButton->setFixedSize(36, 28);
    homeButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    // Title-bar buttons are reached with Tab; a click leaves the focus in
    // the document.
    homeButton->setFocusPolicy(Qt::TabFocus);

    tabBar = new CTabBar(this);
    connect(tabBar, &CTabBar::SignalItemDragOut, this, &MainView::SlotTabItemDragOut, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalItemDragIn, this, &MainView::SlotTabItemDragIn, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalClickedAdd, this, &MainView::SlotTabClickedAdd, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalSelectChanged, this, &MainView::SlotTabSelectChanged, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalCloseTab, this, &MainView::SlotCloseTab, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalContextMenu, this, &MainView::SlotContextMenu, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalItemCountChanged, this, &MainView::SlotTabCountChanged, Qt::QueuedConnection);
    connect(tabBar, &CTabBar::SignalItemWidthChanged, this, &MainView::SlotTabWidthChanged, Qt::QueuedConnection);

    if (CWindowTitleBar* titleRow = titleBar()) {
        titleRow->AddWidgetToLeft(homeButton);
        titleRow->AddWidgetToLeft(tabBar, 1);
        addButton = new QPushButton(tabBar);
        addButton->setObjectName("tab_add");
        addButton->setFixedSize(28, 28);
        addButton->setFocusPolicy(Qt::TabFocus);
        addButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
        connect(addButton, &QPushButton::clicked, this, &MainView::SlotTabClickedAdd);
        addButton->move(10, 6);
        tabCountButton = new QPushButton(this);
        tabCountButton->setObjectName("tab_num");
        tabCountButton->setFixedHeight(24);
        tabCountButton->setMinimumWidth(21);
        tabCountButton->setFocusPolicy(Qt::TabFocus);
        tabCountButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
        connect(tabCountButton, &QPushButton::clicked, tabBar, &CTabBar::SlotClickedNum);
        tabCountButton->hide();
        titleRow->InsertToolButton(0, tabCountButton);
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
    connect(&menu, &DocumentMenu::SignalRecentOpenFile, this,
            [this](const QString& path) { OpenAndForgetFailure(path, true); });

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

const QHash<QString, void (*)(MainView*)>& MainView::MenuKeys()
{
    // Keys of the window and its tabs; every other key is the document's.
    static const QHash<QString, void (*)(MainView*)> keys = {
        {"open_in_new_window", [](MainView* view) { view->MoveCurrentTabToNewWindow(); }},
        {"close_tab", [](MainView* view) { view->CloseCurrentTab(); }},
        {"close_other_tabs", [](MainView* view) { view->SlotCloseOtherTabs(); }},
        {"close_all_tabs", [](MainView* view) { view->SlotCloseAllTabs(); }},
        {"open", [](MainView* view) { view->SlotTabClickedAdd(); }},
        {"new", [](MainView* view) { view->SlotCreateBlankPDF(); }},
        {"close_window", [](MainView* view) { view->CloseWindowTabs(); }},
        {"close_all_windows", [](MainView* view) { emit view->SignalRequestCloseAll(); }},
        {"minimun", [](MainView* view) { view->showMinimized(); }},
        {"zoom", [](MainView* view) { view->window()->isMaximized() ? view->showNormal() : view->showMaximized(); }},
        // Window tiling has no equivalent here.
        {"move_left", [](MainView*) {}},
        {"move_right", [](MainView*) {}},
        {"replace", [](MainView*) {}},
        {"next_tab", [](MainView* view) { view->StepTab(1); }},
        {"pre_tab", [](MainView* view) { view->StepTab(-1); }},
        {"bing_front", [](MainView* view) { emit view->SignalRequestActivateAll(); }},
        {"set", [](MainView* view) { view->SlotSettings(0); }},
    };
    return keys;
}

void MainView::StepTab(int nStep)
{
    // Round the strip, as Ctrl+Tab does in every tabbed program; from the
    // home page to the first or the last tab.
    const int count = tabBar->GetItemCount();
    if (count == 0)
        return;
    const int current = tabBar->CurrentIndex();
    const int next = current < 0 ? (nStep > 0 ? 0 : count - 1) : (current + nStep + count) % count;
    tabBar->SetCurrentIndex(next);
}

void MainView::SlotMenuTriggered(const QVariant& action)
{
    if (auto handler = MenuKeys().value(action.toString()))
        handler(this);
    else
        ForwardMenuAction(action);
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
    info.insert(box->GetMenuState());
    info["display_mode"] = box->GetDisplayOption().value(OpenKey::kDisplayMode, -1);
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
    CWidgetUtils::SetTip(homeButton, tr("Startup Page"));
    if (addButton) {
        addButton->setToolTip(
            tr("Open PDF")
            + QStringLiteral("(%1)").arg(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)));
        addButton->setAccessibleName(tr("Open PDF"));
    }
    CWidgetUtils::SetTip(tabCountButton, tr("Open Tabs"));
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
    // The box showed ticked only while we were the default, so ticked and
    // not the default means the user ticked it now.
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
                                                               MKBase::CFileUtils::GetAppFilePath(), QString(), user,
                                                               title, AppValue("AppId"));
    ShowNotice(created ? tr("Shortcut successfully created!") : tr("Failed to create shortcuts."));
}

// --- window geometry ---------------------------------------------------------

void MainView::SaveWindowGeometry()
{
    CSettingManager* settings = CSettingManager::getInstance();
    settings->SetRecord(SettingKey::kWindowGeometry, saveGeometry());
    settings->SetRecord(SettingKey::kWindowState, saveState(0));
    settings->SetRecord(SettingKey::kWindowMaximized, isMaximized());
}

void MainView::RestoreWindowGeometry()
{
    CSettingManager* settings = CSettingManager::getInstance();
    const QByteArray geometry = settings->GetRecord(SettingKey::kWindowGeometry).toByteArray();
    const bool maximized = settings->GetRecord(SettingKey::kWindowMaximized).toBool();
    if (geometry.isEmpty()) {
        resize(1280, 800);
        MoveToCenter();
        FitToScreen();
    } else if (!maximized) {
        restoreGeometry(geometry);
        FitToScreen();
    } else {
        // Maximized when it shows; the window is not shown from here.
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    const QByteArray state = settings->GetRecord(SettingKey::kWindowState).toByteArray();
    if (!state.isEmpty())
        restoreState(state, 0);
    if (maximized) {
        if (auto* button = titleBar()->findChild<QPushButton*>("max_button"))
            button->setChecked(true);
    }
}
