#include "CSettingManager.h"
#include "CTabBar.h"
#include "DocumentMenu.h"
#include "HomePage.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>

namespace {

MainView* NewWindow()
{
    auto* window = qobject_cast<MainView*>(CMainViewManager::getInstance()->CreateMainView(nullptr));
    window->show();
    return window;
}

int Open(MainView* window, const QString& path)
{
    int nRet = -1;
    window->SlotOpenFile(nRet, QVariantMap{{"path", path}}, true);
    return nRet;
}

// A menu about to open asks its window for the current tab; this stands in
// for the window with a fixed answer.
void AnswerTabInfo(DocumentMenu* menu, const QVariantMap& info)
{
    QObject::connect(menu, &DocumentMenu::SignalGetCurrentTabInfo, menu, [info](QVariantMap& out) { out = info; });
}

void AboutToShow(QMenu* menu)
{
    emit menu->aboutToShow();
}

QStringList VisibleTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (action->isVisible() && !action->isSeparator())
            texts << action->text();
    }
    return texts;
}

// Counts the URLs handed to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    int count = 0;
public slots:
    void Handle(const QUrl&) { ++count; }
};

// Marks every text it translates, so a retranslated item is recognisable.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        if (QByteArray(context) != "DocumentMenu")
            return QString();
        return QStringLiteral("<") + QString::fromLatin1(source) + QStringLiteral(">");
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void fileMenuBuiltOnce();
    void fileItemsFromTable_data();
    void fileItemsFromTable();
    void menuBarHasAllMenusInOrder();
    void keysReachTheWindow();
    void homePageDisablesDocumentItems();
    void viewAndGoFollowModule_data();
    void viewAndGoFollowModule();
    void tabMenuState_data();
    void tabMenuState();
    void windowReportsDocumentState();
    void documentFileButtonPopsFileMenu();
    void shownShortcutsWorkInTheirWindow_data();
    void shownShortcutsWorkInTheirWindow();
    void recentSubmenu();
    void recentEntryOpensInWindow();
    void skinSubmenu_data();
    void skinSubmenu();
    void choosingDarkRestylesWindows();
    void helpMenuOfEachBrand_data();
    void helpMenuOfEachBrand();
    void helpLinks();
    void helpItemsSendTheirSignals();
    void languageChangeRenamesItems();
    void iconsFollowSkin();

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
    for (QWidget* view : CMainViewManager::getInstance()->Views())
        delete view;
    MKApplication::getInstance()->InitProduct("rv", "overseas");
    QTest::qWait(10);
}

void TestMenu::fileMenuBuiltOnce()
{
    QWidget owner;
    DocumentMenu menu;
    QVERIFY(!menu.FileMenu());
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
    QVERIFY(shown.at(0).contains("Document Properties"));
    QVERIFY(!shown.at(0).contains("Close Tab"));
}

void TestMenu::fileItemsFromTable_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("icon");
    QTest::newRow("open") << "open" << "Open" << QKeySequence(QKeySequence::Open) << true << true;
    QTest::newRow("new") << "new" << "Create PDF" << QKeySequence(QKeySequence::New) << true << true;
    QTest::newRow("close tab") << "close_tab" << "Close Tab" << QKeySequence(QKeySequence::Close) << false << false;
    QTest::newRow("close window") << "close_window" << "Close Window" << QKeySequence("Ctrl+Shift+W") << false << false;
    QTest::newRow("close all") << "close_all_windows" << "Close All Windows" << QKeySequence("Ctrl+Alt+Shift+W") << false
                               << false;
    QTest::newRow("save") << "save" << "Save" << QKeySequence(QKeySequence::Save) << true << true;
    QTest::newRow("save as") << "save_as" << "Save As" << QKeySequence("Ctrl+Shift+S") << true << true;
    QTest::newRow("location") << "show_in_finder" << "Open File Location" << QKeySequence() << true << true;
    QTest::newRow("share") << "share" << "Share" << QKeySequence() << false << false;
    QTest::newRow("properties") << "doc_property" << "Document Properties" << QKeySequence("Ctrl+D") << true << true;
    QTest::newRow("protect") << "protect" << "Protect" << QKeySequence() << true << true;
    QTest::newRow("print") << "print" << "Print" << QKeySequence(QKeySequence::Print) << true << true;
    QTest::newRow("preferences") << "set" << "Preferences" << QKeySequence() << true << true;
}

void TestMenu::fileItemsFromTable()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, visible);
    QFETCH(bool, icon);
    QWidget owner;
    DocumentMenu menu;
    QMenu* file = menu.BuildFileMenu(&owner);
    QAction* action = menu.FileAction(key);
    QVERIFY(action);
    QVERIFY(file->actions().contains(action));
    QCOMPARE(action->data().toString(), key);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->isVisible(), visible);
    QVERIFY(action->isShortcutVisibleInContextMenu());
    // Every icon the table names exists in the active skin.
    QCOMPARE(!action->icon().isNull() && !action->icon().pixmap(16, 16).isNull(), icon);
    QVERIFY(!menu.RecentMenu()->icon().pixmap(16, 16).isNull());
    QCOMPARE(file->objectName(), QStringLiteral("menu_normal"));
}

void TestMenu::menuBarHasAllMenusInOrder()
{
    QWidget owner;
    DocumentMenu menu;
    QMenuBar* bar = menu.CreateMenuBar(&owner);
    QStringList titles;
    for (QAction* action : bar->actions())
        titles << action->text();
    QCOMPARE(titles, QStringList({"File", "Edit", "View", "Go", "Window", "Help"}));
    // Asking again re-adds the same menus, never a second set.
    QCOMPARE(menu.CreateMenuBar(&owner), bar);
    menu.UpdateText();
    QCOMPARE(bar->actions().size(), 6);
    QCOMPARE(owner.findChildren<QMenuBar*>().size(), 1);
    QVERIFY(bar->actions().first()->menu() == menu.FileMenu());
    // The Go menu's "Up" has an empty shortcut; the zoom keys are the standard ones.
    bool sawUp = false;
    for (QAction* action : menu.GoMenu()->actions()) {
        if (action->data().toString() == "up") {
            sawUp = true;
            QVERIFY(action->shortcut().isEmpty());
        }
    }
    QVERIFY(sawUp);
}

void TestMenu::keysReachTheWindow()
{
    QWidget owner;
    DocumentMenu menu;
    QSignalSpy keys(&menu, &DocumentMenu::SignalMenuTrigger);
    menu.BuildFileMenu(&owner);
    menu.BuildTabMenu(&owner);
    menu.FileAction("print")->trigger();
    menu.TabAction("close_other_tabs")->trigger();
    QCOMPARE(keys.size(), 2);
    QCOMPARE(keys.at(0).at(0).toString(), QStringLiteral("print"));
    QCOMPARE(keys.at(1).at(0).toString(), QStringLiteral("close_other_tabs"));
    QCOMPARE(menu.TabMenu()->title(), QStringLiteral("tab"));
}

void TestMenu::homePageDisablesDocumentItems()
{
    MainView* window = NewWindow();
    DocumentMenu* menu = window->Menu();
    // Real pop-up: the states are set while the menu is on screen.
    QMap<QString, bool> enabled;
    ModalAnswerer answer([menu, &enabled](QWidget* popup) {
        for (const char* key : {"open", "new", "set", "close_tab", "save", "save_as", "show_in_finder", "doc_property",
                                "print"})
            enabled[key] = menu->FileAction(key)->isEnabled();
        enabled["recent"] = menu->RecentMenu()->menuAction()->isEnabled();
        popup->close();
    });
    window->SlotClickedFile(window->mapToGlobal(QPoint(20, 40)));
    QCOMPARE(answer.AnsweredCount(), 1);
    for (const char* key : {"open", "new", "set", "recent"})
        QVERIFY2(enabled.value(key), key);
    for (const char* key : {"close_tab", "save", "save_as", "show_in_finder", "doc_property", "print"})
        QVERIFY2(!enabled.value(key), key);

    QMenuBar* bar = menu->CreateMenuBar(window);
    Q_UNUSED(bar);
    AboutToShow(menu->ViewMenu());
    AboutToShow(menu->GoMenu());
    QVERIFY(!menu->ViewMenu()->isEnabled());
    QVERIFY(!menu->GoMenu()->isEnabled());

    // With a document the same items come back.
    QCOMPARE(Open(window, dir + "/doc.pdf"), 0);
    QTRY_VERIFY(window->CurrentPage() != window->Home());
    AboutToShow(menu->FileMenu());
    AboutToShow(menu->ViewMenu());
    // (Close Tab is hidden, and Qt keeps hidden actions disabled.)
    for (const char* key : {"save", "save_as", "show_in_finder", "doc_property", "print"})
        QVERIFY2(menu->FileAction(key)->isEnabled(), key);
    QVERIFY(menu->ViewMenu()->isEnabled());
}

void TestMenu::viewAndGoFollowModule_data()
{
    QTest::addColumn<QVariantMap>("info");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("home page") << QVariantMap() << false;
    QTest::newRow("reading") << QVariantMap{{"module_index", 0}, {"tabCount", 1}} << true;
    QTest::newRow("module 1") << QVariantMap{{"module_index", 1}} << true;
    QTest::newRow("module 2") << QVariantMap{{"module_index", 2}} << false;
}

void TestMenu::viewAndGoFollowModule()
{
    QFETCH(QVariantMap, info);
    QFETCH(bool, enabled);
    QWidget owner;
    DocumentMenu menu;
    AnswerTabInfo(&menu, info);
    menu.CreateMenuBar(&owner);
    // Start from the opposite state, so a menu that ignores the info fails.
    menu.ViewMenu()->setEnabled(!enabled);
    menu.GoMenu()->setEnabled(!enabled);
    AboutToShow(menu.ViewMenu());
    AboutToShow(menu.GoMenu());
    QCOMPARE(menu.ViewMenu()->isEnabled(), enabled);
    QCOMPARE(menu.GoMenu()->isEnabled(), enabled);
}

void TestMenu::tabMenuState_data()
{
    QTest::addColumn<QVariantMap>("info");
    QTest::addColumn<QStringList>("disabled");
    QTest::newRow("saved, two tabs") << QVariantMap{{"tabCount", 2}, {"dirty", false}, {"is_temp", false}} << QStringList();
    QTest::newRow("dirty") << QVariantMap{{"tabCount", 3}, {"dirty", true}, {"is_temp", false}} << QStringList{"rename"};
    QTest::newRow("single tab") << QVariantMap{{"tabCount", 1}, {"dirty", false}, {"is_temp", false}}
                                << QStringList{"open_in_new_window", "close_other_tabs"};
    QTest::newRow("new document") << QVariantMap{{"tabCount", 1}, {"dirty", true}, {"is_temp", true}}
                                  << QStringList{"rename", "open_in_new_window", "close_other_tabs", "show_in_finder"};
}

void TestMenu::tabMenuState()
{
    QFETCH(QVariantMap, info);
    QFETCH(QStringList, disabled);
    QWidget owner;
    DocumentMenu menu;
    AnswerTabInfo(&menu, info);
    menu.BuildTabMenu(&owner);
    menu.BuildFileMenu(&owner);
    AboutToShow(menu.TabMenu());
    AboutToShow(menu.FileMenu());
    for (const char* key : {"save", "save_as", "show_in_finder", "rename", "open_in_new_window", "close_tab",
                            "close_other_tabs", "close_all_tabs"})
        QVERIFY2(menu.TabAction(key)->isEnabled() == !disabled.contains(key), key);
    QCOMPARE(menu.FileAction("show_in_finder")->isEnabled(), !info.value("is_temp").toBool());
    QVERIFY(menu.FileAction("save")->isEnabled());
}

void TestMenu::windowReportsDocumentState()
{
    MainView* window = NewWindow();
    DocumentMenu* menu = window->Menu();
    window->SlotCreateBlankPDF();
    QCOMPARE(window->TabBar()->GetItemCount(), 1);
    // The tab menu as the tab bar pops it up.
    ModalAnswerer answer([](QWidget* popup) { popup->close(); });
    window->SlotContextMenu(window->mapToGlobal(QPoint(60, 15)));
    QCOMPARE(answer.AnsweredCount(), 1);
    QVERIFY(answer.LastDialog() == menu->TabMenu());
    QVERIFY(!menu->TabAction("show_in_finder")->isEnabled());
    QVERIFY(!menu->TabAction("rename")->isEnabled());
    QVERIFY(menu->TabAction("save")->isEnabled());
    QVERIFY(!menu->TabAction("open_in_new_window")->isEnabled());
    QVERIFY(!menu->TabAction("close_other_tabs")->isEnabled());
    menu->BuildFileMenu(window);
    AboutToShow(menu->FileMenu());
    QVERIFY(!menu->FileAction("show_in_finder")->isEnabled());
    QVERIFY(menu->FileAction("save")->isEnabled());

    // A saved file in a second tab: everything is available.
    QCOMPARE(Open(window, dir + "/doc.pdf"), 0);
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 2);
    AboutToShow(menu->TabMenu());
    for (const char* key : {"show_in_finder", "rename", "open_in_new_window", "close_other_tabs"})
        QVERIFY2(menu->TabAction(key)->isEnabled(), key);
}

void TestMenu::documentFileButtonPopsFileMenu()
{
    MainView* window = NewWindow();
    window->setGeometry(100, 100, 900, 600);
    QCOMPARE(Open(window, dir + "/doc.pdf"), 0);
    QTRY_VERIFY(window->CurrentPage() != window->Home());
    auto* button = window->CurrentPage()->findChild<QPushButton*>("button_doc_file");
    QVERIFY(button);
    QPoint shownAt;
    ModalAnswerer answer([&shownAt](QWidget* popup) {
        shownAt = popup->pos();
        popup->close();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(answer.AnsweredCount(), 1);
    QVERIFY(answer.LastDialog() == window->Menu()->FileMenu());
    // Right under the button.
    QCOMPARE(shownAt, button->mapToGlobal(QPoint(0, button->height())));
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
    MainView* other = NewWindow();
    QCOMPARE(Open(other, dir + "/doc.pdf"), 0);
    MainView* window = NewWindow();
    {
        // The user has seen the shortcut in the File menu, on the home page.
        ModalAnswerer look([](QWidget* popup) { popup->close(); });
        window->SlotClickedFile(window->mapToGlobal(QPoint(20, 40)));
        QCOMPARE(look.AnsweredCount(), 1);
    }
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
    QTest::keySequence(window, window->Menu()->FileAction(key)->shortcut());
    QTest::qWait(200);
    // It acts in this window, for its current document, and nowhere else.
    const bool acts = onDocument || key == "open" || key == "new";
    QCOMPARE(answer.AnsweredCount(), acts && key != "new" ? 1 : 0);
    QVERIFY(answer.AnsweredCount() == 0 || owner == window);
    QCOMPARE(window->TabBar()->GetItemCount(), tabs + (key == "new" ? 1 : 0));
    QCOMPARE(other->TabBar()->GetItemCount(), 1);
}

void TestMenu::recentSubmenu()
{
    QWidget owner;
    DocumentMenu menu;
    // Nothing to rebuild before the File menu exists.
    QStringList list{dir + "/one/same.pdf", dir + "/two/same.pdf", dir + "/R&D.pdf"};
    connect(&menu, &DocumentMenu::SignalGetRecentFileList, &menu, [&list](QStringList& out) { out = list; });
    QSignalSpy opened(&menu, &DocumentMenu::SignalRecentOpenFile);
    menu.BuildFileMenu(&owner);
    for (int i = 0; i < 2; ++i)
        AboutToShow(menu.RecentMenu());
    QCOMPARE(menu.RecentMenu()->actions().size(), 3);
    QCOMPARE(menu.RecentActions().size(), 3);
    QCOMPARE(menu.RecentActions().at(0)->text(), QStringLiteral("same.pdf"));
    QCOMPARE(menu.RecentActions().at(1)->text(), QStringLiteral("same.pdf"));
    // Shown as named: an ampersand is no mnemonic here.
    QCOMPARE(menu.RecentActions().at(2)->iconText(), QStringLiteral("R&D.pdf"));
    menu.RecentActions().at(1)->trigger();
    menu.RecentActions().at(0)->trigger();
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened.at(0).at(0).toString(), list.at(1));
    QCOMPARE(opened.at(1).at(0).toString(), list.at(0));

    // A shorter list replaces the entries; an empty one leaves nothing.
    list = QStringList{dir + "/doc.pdf"};
    AboutToShow(menu.RecentMenu());
    QCOMPARE(menu.RecentMenu()->actions().size(), 1);
    list.clear();
    AboutToShow(menu.RecentMenu());
    QVERIFY(menu.RecentMenu()->actions().isEmpty());
    QVERIFY(menu.RecentActions().isEmpty());
}

void TestMenu::recentEntryOpensInWindow()
{
    MainView* window = NewWindow();
    DocumentMenu* menu = window->Menu();
    // Open two same-named files so both are recorded, then close them.
    QCOMPARE(Open(window, dir + "/one/same.pdf"), 0);
    QCOMPARE(Open(window, dir + "/two/same.pdf"), 0);
    QTRY_COMPARE(window->Home()->findChild<QObject*>() != nullptr, true);
    QStringList recent;
    window->SlotGetRecentFileList(recent);
    QVERIFY2(recent.contains(dir + "/one/same.pdf") && recent.contains(dir + "/two/same.pdf"), qPrintable(recent.join(',')));
    window->SlotCloseAllTabs();
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 0);

    menu->BuildFileMenu(window);
    AboutToShow(menu->RecentMenu());
    QAction* second = nullptr;
    for (QAction* action : menu->RecentActions()) {
        if (action->data().toString() == dir + "/two/same.pdf")
            second = action;
    }
    QVERIFY(second);
    second->trigger();
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 1);
    auto* box = qobject_cast<MainBox*>(window->TabBar()->GetItem(0).widget);
    QVERIFY(box);
    QCOMPARE(box->GetDocumentFilePath(), dir + "/two/same.pdf");

    // A recent file that has gone away is reported and leaves the list.
    const QString gone = dir + "/gone.pdf";
    QVERIFY(TestPdf::Write(gone, 1));
    QCOMPARE(Open(window, gone), 0);
    QVERIFY(QFile::remove(gone));
    window->SlotCloseAllTabs();
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 0);
    AboutToShow(menu->RecentMenu());
    QAction* missing = nullptr;
    for (QAction* action : menu->RecentActions()) {
        if (action->data().toString() == gone)
            missing = action;
    }
    QVERIFY(missing);
    ModalAnswerer ok([](QWidget* notice) { notice->close(); });
    missing->trigger();
    QTRY_COMPARE(ok.AnsweredCount(), 1);
    recent.clear();
    window->SlotGetRecentFileList(recent);
    QVERIFY(!recent.contains(gone));
    QCOMPARE(window->TabBar()->GetItemCount(), 0);
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
    {
        QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
        settings.setValue("Skin", stored);
    }
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
    QCOMPARE(items.at(0)->text(), QStringLiteral("Follow System"));
}

void TestMenu::choosingDarkRestylesWindows()
{
    MKApplication* app = MKApplication::getInstance();
    app->SetCurrentSkin("Light");
    MainView* window = NewWindow();
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

void TestMenu::helpMenuOfEachBrand_data()
{
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QStringList>("visible");
    const QStringList all{"Preferences", "Appearance", "Create Desktop Shortcut", "Set as Default", "User Guide", "FAQ",
                          "Feedback", "Support Center", "Check for Updates", "About"};
    QTest::newRow("rv") << "rv" << "overseas" << all;
    QTest::newRow("mk") << "mk" << "overseas" << all;
    QTest::newRow("company brand") << "hd" << "domestic"
                                   << QStringList{"Preferences", "Appearance", "Create Desktop Shortcut", "Set as Default",
                                                  "About"};
}

void TestMenu::helpMenuOfEachBrand()
{
    QFETCH(QString, bundle);
    QFETCH(QString, region);
    QFETCH(QStringList, visible);
    MKApplication::getInstance()->InitProduct(bundle, region);
    QWidget owner;
    DocumentMenu menu;
    ModalAnswerer answer([](QWidget* popup) { popup->close(); });
    menu.ShowHelpMenu(&owner, QPoint(5, 5));
    QCOMPARE(answer.AnsweredCount(), 1);
    QCOMPARE(VisibleTexts(menu.HelpMenu()), visible);
    QCOMPARE(answer.SeenTexts().first().split('\n'), visible);
    // No two separators in a row, none at the ends.
    bool lastWasSeparator = true;
    for (QAction* action : menu.HelpMenu()->actions()) {
        if (!action->isVisible())
            continue;
        QVERIFY(!(action->isSeparator() && lastWasSeparator));
        lastWasSeparator = action->isSeparator();
    }
    QVERIFY(!lastWasSeparator);
    for (const QString& text : visible)
        QVERIFY2(!menu.HelpAction(text)->icon().pixmap(16, 16).isNull(), qPrintable(text));
}

void TestMenu::helpLinks()
{
    QCOMPARE(DocumentMenu::GetMenuUrl("guid"), QStringLiteral("https://www.rvpdf.example/en/guide?platform=linux"));
    QCOMPARE(DocumentMenu::GetMenuUrl("support"), QStringLiteral("https://www.rvpdf.example/en/support?platform=linux"));
    QVERIFY(DocumentMenu::GetMenuUrl("nothing").isEmpty());
    QVERIFY(MKApplication::getInstance()->SetCurrentLanguage("German"));
    QVERIFY(DocumentMenu::GetMenuUrl("faq").contains("/de/"));
    QVERIFY(MKApplication::getInstance()->SetCurrentLanguage("English"));

    // A brand without a help-links file: empty links, and choosing the items
    // hands nothing to the desktop.
    MKApplication::getInstance()->InitProduct("zz", "nowhere");
    QVERIFY(DocumentMenu::GetMenuUrl("guid").isEmpty());
    UrlCatcher catcher;
    for (const char* scheme : {"https", "http", "mailto"})
        QDesktopServices::setUrlHandler(scheme, &catcher, "Handle");
    QWidget owner;
    DocumentMenu menu;
    menu.BuildHelpMenu(&owner);
    QMetaObject::invokeMethod(&menu, "SlotClickedGuide");
    QMetaObject::invokeMethod(&menu, "SlotClickedFaq");
    QCOMPARE(catcher.count, 0);
    MKApplication::getInstance()->InitProduct("rv", "overseas");
    QMetaObject::invokeMethod(&menu, "SlotClickedSupport");
    QCOMPARE(catcher.count, 1);
    for (const char* scheme : {"https", "http", "mailto"})
        QDesktopServices::unsetUrlHandler(scheme);
}

void TestMenu::helpItemsSendTheirSignals()
{
    QWidget owner;
    DocumentMenu menu;
    menu.BuildHelpMenu(&owner);
    const QList<QPair<QString, QSignalSpy*>> rows{
        {"Preferences", new QSignalSpy(&menu, &DocumentMenu::SignalClickedSet)},
        {"Create Desktop Shortcut", new QSignalSpy(&menu, &DocumentMenu::SignalClickedCreateLink)},
        {"Set as Default", new QSignalSpy(&menu, &DocumentMenu::SignalClickedSetAsDefault)},
        {"Feedback", new QSignalSpy(&menu, &DocumentMenu::SignalClickedFeedback)},
        {"Check for Updates", new QSignalSpy(&menu, &DocumentMenu::SignalClickedUpdate)},
        {"About", new QSignalSpy(&menu, &DocumentMenu::SignalClickedAbout)}};
    QSignalSpy keys(&menu, &DocumentMenu::SignalMenuTrigger);
    for (const auto& row : rows) {
        menu.HelpAction(row.first)->trigger();
        for (const auto& other : rows)
            QCOMPARE(other.second->size(), other.first == row.first ? 1 : 0);
        row.second->clear();
    }
    // Help items carry no key.
    QCOMPARE(keys.size(), 0);
    qDeleteAll(QList<QSignalSpy*>{rows[0].second, rows[1].second, rows[2].second, rows[3].second, rows[4].second,
                                  rows[5].second});
}

void TestMenu::languageChangeRenamesItems()
{
    MainView* window = NewWindow();
    DocumentMenu* menu = window->Menu();
    menu->BuildFileMenu(window);
    menu->BuildHelpMenu(window);
    menu->BuildTabMenu(window);
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    // The window hears of it through its LanguageChange event.
    QTRY_COMPARE(menu->FileAction("open")->text(), QStringLiteral("<Open>"));
    QCOMPARE(menu->FileMenu()->title(), QStringLiteral("<File>"));
    QCOMPARE(menu->RecentMenu()->title(), QStringLiteral("<Open Recents>"));
    QCOMPARE(menu->HelpAction("About")->text(), QStringLiteral("<About>"));
    QCOMPARE(menu->SkinMenu()->title(), QStringLiteral("<Appearance>"));
    QCOMPARE(menu->SkinMenu()->actions().at(0)->text(), QStringLiteral("<Follow System>"));
    QCOMPARE(menu->TabAction("rename")->text(), QStringLiteral("<Rename>"));
    QCOMPARE(menu->TabMenu()->title(), QStringLiteral("tab"));
    // Built after the change: already in the new language.
    QMenuBar* bar = menu->CreateMenuBar(window);
    QCOMPARE(bar->actions().at(2)->text(), QStringLiteral("<View>"));
    QCOMPARE(menu->GoMenu()->actions().first()->text(), QStringLiteral("<First Page>"));

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QTRY_COMPARE(menu->FileAction("open")->text(), QStringLiteral("Open"));
    QCOMPARE(bar->actions().at(2)->text(), QStringLiteral("View"));
}

void TestMenu::iconsFollowSkin()
{
    MKApplication* app = MKApplication::getInstance();
    app->SetCurrentSkin("Light");
    QWidget owner;
    DocumentMenu menu;
    menu.BuildFileMenu(&owner);
    const QImage light = menu.FileAction("print")->icon().pixmap(16, 16).toImage();
    app->SetCurrentSkin("Dark");
    // A menu of no window is refreshed by whoever owns it.
    menu.UpdateIcons();
    const QImage dark = menu.FileAction("print")->icon().pixmap(16, 16).toImage();
    QVERIFY(!light.isNull() && !dark.isNull());
    QVERIFY(light != dark);
    app->SetCurrentSkin("Light");
}

RV_TEST_MAIN(TestMenu)
#include "tst_menu.moc"
