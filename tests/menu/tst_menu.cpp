#include "CTabBar.h"
#include "CannedServer.h"
#include "DocumentMenu.h"
#include "HomePage.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"
#include "mainview/MainView.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

namespace {

void AboutToShow(QMenu* menu)
{
    emit menu->aboutToShow();
}

QAction* RecentAction(DocumentMenu* menu, const QString& path)
{
    for (QAction* action : menu->RecentActions()) {
        if (action->data().toString() == path)
            return action;
    }
    return nullptr;
}

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void menusAreBuiltOnce();
    void windowMenusFollowItsTab();
    void stateFollowsCurrentTab_data();
    void stateFollowsCurrentTab();
    void documentFileButtonPopsFileMenu();
    void shownShortcutsWorkInTheirWindow_data();
    void shownShortcutsWorkInTheirWindow();
    void recentSubmenu();
    void recentEntryOpensInWindow();
    void skinSubmenu_data();
    void skinSubmenu();
    void choosingDarkRestylesWindows();
    void helpItemsAndLinks();

private:
    QString dir;
};

void TestMenu::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    dir = TestEnv::MakeDir("menu");
    QVERIFY(QDir().mkpath(dir + "/one"));
    QVERIFY(QDir().mkpath(dir + "/two"));
    QVERIFY(TestPdf::Write(dir + "/one/same.pdf", 2));
    QVERIFY(TestPdf::Write(dir + "/two/same.pdf", 3));
    QVERIFY(TestPdf::Write(dir + "/doc.pdf", 4));
}

void TestMenu::cleanup()
{
    TestWindows::DeleteAll();
    MKApplication::getInstance()->InitProduct("rv", "overseas");
}

void TestMenu::menusAreBuiltOnce()
{
    QWidget owner;
    DocumentMenu menu;
    QStringList shown;
    for (int i = 0; i < 2; ++i) {
        ModalAnswerer answer([](QWidget* popup) { popup->close(); });
        menu.ShowFileMenu(&owner, QPoint(10, 10));
        QCOMPARE(answer.AnsweredCount(), 1);
        shown << answer.SeenTexts();
        QVERIFY(answer.LastDialog() == menu.FileMenu());
    }
    QCOMPARE(owner.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    QCOMPARE(shown.at(0), shown.at(1));
    // The menu bar: every menu once, however often it is asked for.
    QMenuBar* bar = menu.CreateMenuBar(&owner);
    QCOMPARE(menu.CreateMenuBar(&owner), bar);
    menu.UpdateText();
    QCOMPARE(bar->actions().size(), 6);
    QCOMPARE(owner.findChildren<QMenuBar*>().size(), 1);
}

// Which item goes with which tab state is the table below; here: a real
// window answers for its current tab while its menus are on screen.
void TestMenu::windowMenusFollowItsTab()
{
    MainView* window = TestWindows::New();
    DocumentMenu* menu = window->Menu();
    QMap<QString, bool> enabled;
    ModalAnswerer answer([menu, &enabled](QWidget* popup) {
        for (const char* key : {"save", "show_in_finder"})
            enabled[key] = menu->TabAction(key)->isEnabled();
        popup->close();
    });
    // The tab menu over a new document.
    window->SlotCreateBlankPDF();
    window->SlotContextMenu(window->mapToGlobal(QPoint(60, 15)));
    QCOMPARE(answer.AnsweredCount(), 1);
    QVERIFY(answer.LastDialog() == menu->TabMenu());
    QVERIFY(enabled.value("save") && !enabled.value("show_in_finder"));
    // A saved file: its place can be shown, and it can be printed.
    QCOMPARE(TestWindows::Open(window, dir + "/doc.pdf"), 0);
    QTRY_VERIFY(window->CurrentPage() != window->Home());
    menu->CreateMenuBar(window);
    for (QMenu* shown : {menu->TabMenu(), menu->FileMenu(), menu->ViewMenu()})
        AboutToShow(shown);
    QVERIFY(menu->TabAction("show_in_finder")->isEnabled());
    QVERIFY(menu->FileAction("print")->isEnabled());
    QVERIFY(menu->ViewMenu()->isEnabled());
    window->HomeButton()->setChecked(true);
    AboutToShow(menu->ViewMenu());
    QVERIFY(!menu->ViewMenu()->isEnabled());
}

void TestMenu::stateFollowsCurrentTab_data()
{
    QTest::addColumn<QVariantMap>("info");
    QTest::addColumn<QStringList>("disabled");
    const QStringList viewAndGo {"view", "go"};
    QTest::newRow("home page") << QVariantMap() << QStringList(viewAndGo);
    QTest::newRow("saved, two tabs") << QVariantMap {{"tabCount", 2}, {"dirty", false}, {"is_temp", false}}
                                     << QStringList();
    QTest::newRow("dirty") << QVariantMap {{"tabCount", 3}, {"dirty", true}, {"is_temp", false}}
                           << QStringList {"rename"};
    QTest::newRow("single tab") << QVariantMap {{"tabCount", 1}, {"dirty", false}, {"is_temp", false}}
                                << QStringList {"open_in_new_window", "close_other_tabs"};
    QTest::newRow("new document") << QVariantMap {{"tabCount", 1}, {"dirty", true}, {"is_temp", true}}
                                  << QStringList {"rename", "open_in_new_window", "close_other_tabs", "show_in_finder"};
    QTest::newRow("module 1") << QVariantMap {{"tabCount", 1}, {"module_index", 1}}
                              << QStringList {"open_in_new_window", "close_other_tabs"};
    QTest::newRow("module 2") << QVariantMap {{"tabCount", 1}, {"module_index", 2}}
                              << QStringList {"open_in_new_window", "close_other_tabs", "view", "go"};
}

void TestMenu::stateFollowsCurrentTab()
{
    QFETCH(QVariantMap, info);
    QFETCH(QStringList, disabled);
    QWidget owner;
    DocumentMenu menu;
    // A menu about to open asks its window for the current tab; this answers
    // for the window.
    connect(&menu, &DocumentMenu::SignalGetCurrentTabInfo, &menu, [info](QVariantMap& out) { out = info; });
    menu.BuildTabMenu(&owner);
    menu.BuildFileMenu(&owner);
    menu.CreateMenuBar(&owner);
    // Start from the opposite state, so a menu that ignores the tab fails.
    menu.ViewMenu()->setEnabled(disabled.contains("view"));
    menu.GoMenu()->setEnabled(disabled.contains("go"));
    for (QMenu* shown : {menu.TabMenu(), menu.FileMenu(), menu.ViewMenu(), menu.GoMenu()})
        AboutToShow(shown);
    if (!info.isEmpty()) {
        for (const char* key : {"save", "save_as", "show_in_finder", "rename", "open_in_new_window", "close_tab",
                                "close_other_tabs", "close_all_tabs"})
            QVERIFY2(menu.TabAction(key)->isEnabled() == !disabled.contains(key), key);
        QCOMPARE(menu.FileAction("show_in_finder")->isEnabled(), !disabled.contains("show_in_finder"));
    }
    QCOMPARE(menu.ViewMenu()->isEnabled(), !disabled.contains("view"));
    QCOMPARE(menu.GoMenu()->isEnabled(), !disabled.contains("go"));
}

void TestMenu::documentFileButtonPopsFileMenu()
{
    MainView* window = TestWindows::New();
    window->setGeometry(100, 100, 900, 600);
    QCOMPARE(TestWindows::Open(window, dir + "/doc.pdf"), 0);
    QTRY_VERIFY(window->CurrentPage() != window->Home());
    auto* button = window->CurrentPage()->findChild<QPushButton*>("button_doc_file");
    QVERIFY(button);
    ModalAnswerer answer([](QWidget* popup) { popup->close(); });
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(answer.AnsweredCount(), 1);
    QVERIFY(answer.LastDialog() == window->Menu()->FileMenu());
    QVERIFY(window->Menu()->FileAction("print")->isEnabled());
}

void TestMenu::shownShortcutsWorkInTheirWindow_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("onDocument");
    for (const char* key : {"open", "new", "save", "save_as", "doc_property", "print"})
        QTest::newRow(key) << key << true;
    QTest::newRow("save on the home page") << "save" << false;
    QTest::newRow("properties on the home page") << "doc_property" << false;
}

void TestMenu::shownShortcutsWorkInTheirWindow()
{
    QFETCH(QString, key);
    QFETCH(bool, onDocument);
    MainView* other = TestWindows::New();
    QCOMPARE(TestWindows::Open(other, dir + "/doc.pdf"), 0);
    MainView* window = TestWindows::New();
    {
        // The user has seen the shortcut in the File menu, on the home page.
        ModalAnswerer look([](QWidget* popup) { popup->close(); });
        window->SlotClickedFile(window->mapToGlobal(QPoint(20, 40)));
        QCOMPARE(look.AnsweredCount(), 1);
    }
    const QKeySequence shortcut = window->Menu()->FileAction(key)->shortcut();
    QVERIFY(!shortcut.isEmpty());
    if (onDocument)
        window->SlotCreateBlankPDF();
    const int tabs = window->TabBar()->GetItemCount();
    // The platform may keep the closed menu as the active window.
    QApplication::setActiveWindow(window);
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QWidget* owner = nullptr;
    ModalAnswerer answer([&owner](QWidget* dialog) {
        owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
        dialog->close();
    });
    // Shortcuts are handled while the key is delivered: their dialogs have
    // come and gone when this returns.
    QTest::keySequence(window, shortcut);
    // It acts in this window, for its current document, and nowhere else.
    const bool acts = onDocument || key == "open" || key == "new";
    QCOMPARE(answer.AnsweredCount(), acts && key != "new" ? 1 : 0);
    QVERIFY(answer.AnsweredCount() == 0 || owner == window);
    QTRY_COMPARE(window->TabBar()->GetItemCount(), tabs + (key == "new" ? 1 : 0));
    QCOMPARE(other->TabBar()->GetItemCount(), 1);
}

void TestMenu::recentSubmenu()
{
    QWidget owner;
    DocumentMenu menu;
    QStringList list {dir + "/one/same.pdf", dir + "/two/same.pdf", dir + "/R&D.pdf"};
    connect(&menu, &DocumentMenu::SignalGetRecentFileList, &menu, [&list](QStringList& out) { out = list; });
    QSignalSpy opened(&menu, &DocumentMenu::SignalRecentOpenFile);
    menu.BuildFileMenu(&owner);
    for (int i = 0; i < 2; ++i)
        AboutToShow(menu.RecentMenu());
    QCOMPARE(menu.RecentMenu()->actions().size(), 3);
    // Shown as named: an ampersand is no mnemonic here.
    QCOMPARE(menu.RecentActions().at(2)->iconText(), QStringLiteral("R&D.pdf"));
    menu.RecentActions().at(1)->trigger();
    menu.RecentActions().at(0)->trigger();
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened.at(0).at(0).toString(), list.at(1));
    QCOMPARE(opened.at(1).at(0).toString(), list.at(0));
    // An empty list leaves nothing.
    list.clear();
    AboutToShow(menu.RecentMenu());
    QVERIFY(menu.RecentMenu()->actions().isEmpty());
}

void TestMenu::recentEntryOpensInWindow()
{
    MainView* window = TestWindows::New();
    DocumentMenu* menu = window->Menu();
    // Two same-named files are recorded, then closed.
    QCOMPARE(TestWindows::Open(window, dir + "/one/same.pdf"), 0);
    QCOMPARE(TestWindows::Open(window, dir + "/two/same.pdf"), 0);
    const QString gone = dir + "/gone.pdf";
    QVERIFY(TestPdf::Write(gone, 1));
    QCOMPARE(TestWindows::Open(window, gone), 0);
    QVERIFY(QFile::remove(gone));
    window->SlotCloseAllTabs();
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 0);

    menu->BuildFileMenu(window);
    AboutToShow(menu->RecentMenu());
    QVERIFY(RecentAction(menu, dir + "/one/same.pdf"));
    QAction* second = RecentAction(menu, dir + "/two/same.pdf");
    QVERIFY(second);
    second->trigger();
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 1);
    QCOMPARE(TestWindows::Box(window, 0)->GetDocumentFilePath(), dir + "/two/same.pdf");

    // A recent file that has gone away is reported and leaves the list.
    QAction* missing = RecentAction(menu, gone);
    QVERIFY(missing);
    ModalAnswerer ok([](QWidget* notice) { notice->close(); });
    missing->trigger();
    QTRY_COMPARE(ok.AnsweredCount(), 1);
    QStringList recent;
    window->SlotGetRecentFileList(recent);
    QVERIFY(!recent.contains(gone));
    QCOMPARE(window->TabBar()->GetItemCount(), 1);
}

void TestMenu::skinSubmenu_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("checked");
    QTest::newRow("light") << "Light" << 1;
    QTest::newRow("dark") << "Dark" << 2;
    QTest::newRow("auto") << "Auto" << 0;
    QTest::newRow("unknown name") << "Purple" << 0;
    QTest::newRow("wrong case") << "dark" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestMenu::skinSubmenu()
{
    QFETCH(QString, stored);
    QFETCH(int, checked);
    QSettings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat).setValue("Skin", stored);
    MKApplication::getInstance()->InitProduct("rv", "overseas");
    QWidget owner;
    DocumentMenu menu;
    menu.BuildHelpMenu(&owner);
    // Start from a different item so a menu that does nothing fails.
    menu.SkinMenu()->actions().at((checked + 1) % 3)->setChecked(true);
    AboutToShow(menu.SkinMenu());
    const QList<QAction*> items = menu.SkinMenu()->actions();
    QCOMPARE(items.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(items.at(i)->isChecked(), i == checked);
}

void TestMenu::choosingDarkRestylesWindows()
{
    MKApplication* app = MKApplication::getInstance();
    app->SetCurrentSkin("Light");
    MainView* window = TestWindows::New();
    DocumentMenu* menu = window->Menu();
    menu->BuildHelpMenu(window);
    const QImage lightIcon = menu->HelpAction("About")->icon().pixmap(16, 16).toImage();
    const QColor lightBack = window->palette().color(QPalette::Window);
    QSignalSpy restyled(app, &MKApplication::SignalSkinChanged);

    AboutToShow(menu->SkinMenu());
    menu->SkinMenu()->actions().at(2)->trigger();
    QCOMPARE(app->CurrentSkin(), QStringLiteral("Dark"));
    QCOMPARE(restyled.size(), 1);
    QCOMPARE(QSettings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat).value("Skin").toString(),
             QStringLiteral("Dark"));
    QVERIFY(window->palette().color(QPalette::Window).lightness() < lightBack.lightness());
    // The window's menu took the dark icons at once.
    QVERIFY(menu->HelpAction("About")->icon().pixmap(16, 16).toImage() != lightIcon);
    menu->SkinMenu()->actions().at(0)->trigger();
    QCOMPARE(app->CurrentSkin(), QStringLiteral("Auto"));
    app->SetCurrentSkin("Light");
}

void TestMenu::helpItemsAndLinks()
{
    UrlCatcher catcher;
    for (const char* scheme : {"https", "http", "mailto"})
        QDesktopServices::setUrlHandler(scheme, &catcher, "Open");
    QWidget owner;
    DocumentMenu menu;
    menu.BuildHelpMenu(&owner);
    // Each item says its own thing and nothing else; help items carry no key.
    QSignalSpy keys(&menu, &DocumentMenu::SignalMenuTrigger);
    QList<QPair<QString, QSignalSpy*>> rows {
        {"Preferences", new QSignalSpy(&menu, &DocumentMenu::SignalClickedSet)},
        {"Create Desktop Shortcut", new QSignalSpy(&menu, &DocumentMenu::SignalClickedCreateLink)},
        {"Set as Default", new QSignalSpy(&menu, &DocumentMenu::SignalClickedSetAsDefault)},
        {"Feedback", new QSignalSpy(&menu, &DocumentMenu::SignalClickedFeedback)},
        {"Check for Updates", new QSignalSpy(&menu, &DocumentMenu::SignalClickedUpdate)},
        {"About", new QSignalSpy(&menu, &DocumentMenu::SignalClickedAbout)}};
    for (const auto& row : rows) {
        menu.HelpAction(row.first)->trigger();
        for (const auto& other : rows)
            QCOMPARE(other.second->size(), other.first == row.first ? 1 : 0);
        row.second->clear();
    }
    QCOMPARE(keys.size(), 0);
    for (const auto& row : rows)
        delete row.second;

    // The web pages of the brand, in the language of the interface.
    menu.HelpAction("Support Center")->trigger();
    QCOMPARE(catcher.urls, QList<QUrl> {QUrl("https://www.rvpdf.example/en/support?platform=linux")});
    QVERIFY(MKApplication::getInstance()->SetCurrentLanguage("German"));
    QVERIFY(DocumentMenu::GetMenuUrl("faq").contains("/de/"));
    QVERIFY(MKApplication::getInstance()->SetCurrentLanguage("English"));
    // A brand without a help-links file hands nothing to the desktop.
    MKApplication::getInstance()->InitProduct("zz", "nowhere");
    catcher.urls.clear();
    menu.HelpAction("User Guide")->trigger();
    menu.HelpAction("FAQ")->trigger();
    QVERIFY(catcher.urls.isEmpty());
    for (const char* scheme : {"https", "http", "mailto"})
        QDesktopServices::unsetUrlHandler(scheme);
}

RV_TEST_MAIN(TestMenu)
#include "tst_menu.moc"
