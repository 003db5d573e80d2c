#include "CAnnotationLayer.h"
#include "CCommentController.h"
#include "CEditSession.h"
#include "CFindBar.h"
#include "CPageEditBar.h"
#include "CPageEditController.h"
#include "CPageView.h"
#include "CRecognizeBar.h"
#include "CRecognizeController.h"
#include "CSidePanel.h"
#include "CSignatureController.h"
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
#include <QClipboard>
#include <QPointer>
#include <QUndoStack>
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

// Every key a menu shows, and the keys Linux readers expect; each with
// what it must do. A key a menu shows without a row here fails the test.
QList<QPair<QString, QString>> ShortcutRows()
{
    return {{"Ctrl+O", "dialog"}, {"Ctrl+N", "new tab"}, {"Ctrl+W", "tab closed"}, {"Ctrl+F4", "tab closed"},
            {"Ctrl+Shift+W", "window closed"}, {"Ctrl+Q", "all windows close"},
            {"Ctrl+Alt+Shift+W", "all windows close"}, {"Ctrl+S", "saved"}, {"Ctrl+Shift+S", "dialog"},
            {"Ctrl+D", "dialog"}, {"Ctrl+P", "dialog"}, {"Ctrl+Z", "undone"}, {"Ctrl+Shift+Z", "redone"},
            {"Ctrl+Y", "redone"}, {"Ctrl+X", "comment cut"}, {"Ctrl+C", "text copied"}, {"Ctrl+V", "comment pasted"},
            {"Del", "comment deleted"}, {"Ctrl+A", "text selected"}, {"Ctrl+F", "find bar"},
            {"Ctrl+Alt+C", "comment bar"}, {"Ctrl+Alt+E", "page editing"}, {"Ctrl+Alt+1", "panel 0"},
            {"Ctrl+Alt+2", "panel 1"}, {"Ctrl+Alt+3", "panel 2"}, {"Ctrl+Alt+4", "panel 3"},
            {"Ctrl+Alt+5", "panel 5"}, {"Ctrl+Alt+S", "signature placing"}, {"Ctrl+Alt+O", "organizer"},
            {"Ctrl+Alt+R", "recognize bar"},
            {"Ctrl++", "zoomed in"}, {"Ctrl+-", "zoomed out"}, {"Ctrl+Left", "turned left"},
            {"Ctrl+Right", "turned right"}, {"F11", "read mode"}, {"Ctrl+L", "read mode"}, {"F5", "presentation"},
            {"Ctrl+Up", "page 0"}, {"Ctrl+Down", "page 3"}, {"Alt+Up", "page 1"}, {"Alt+Down", "page 3"},
            {"Ctrl+Alt+G", "dialog"}, {"Alt+Left", "back"}, {"Alt+Right", "forward"}, {"Ctrl+M", "minimized"},
            {"Ctrl+Tab", "tab 0"}, {"Ctrl+PgDown", "tab 0"}, {"Ctrl+Shift+Backtab", "tab 0"},
            {"Ctrl+PgUp", "tab 0"}, {"Ctrl+,", "dialog"}};
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
    // Every item with a key sends it once, however deep its menu sits.
    QSignalSpy sent(&menu, &DocumentMenu::SignalMenuTrigger);
    std::function<void(QMenu*)> walk = [&](QMenu* submenu) {
        for (QAction* action : submenu->actions()) {
            if (action->menu() && action->menu() != menu.PageColorMenu() && action->menu() != menu.RecentMenu())
                walk(action->menu());
            if (action->menu() || action->data().isNull())
                continue;
            const int before = sent.count();
            action->trigger();
            QVERIFY2(sent.count() == before + 1 && sent.last().at(0) == action->data(), qPrintable(action->text()));
        }
    };
    walk(menu.FileMenu());
    QVERIFY(sent.count() > 50);
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
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("effect");
    for (const auto& row : ShortcutRows())
        QTest::newRow(qPrintable(row.first)) << row.first << row.second;
}

// A window with two tabs, the second current: a four-page document on its
// third page with one comment of its own.
void TestMenu::shownShortcutsWorkInTheirWindow()
{
    QFETCH(QString, keys);
    QFETCH(QString, effect);
    MainView* other = TestWindows::New();
    QCOMPARE(TestWindows::Open(other, dir + "/one/same.pdf"), 0);
    MainView* window = TestWindows::New();
    QCOMPARE(TestWindows::Open(window, dir + "/two/same.pdf"), 0);
    QCOMPARE(TestWindows::Open(window, TestPdf::FreshCopy(dir + "/doc.pdf", "keys")), 0);
    QTRY_COMPARE(window->TabBar()->CurrentIndex(), 1);
    MainBox* box = TestWindows::Box(window, 1);
    CAnnotationLayer* layer = box->Comments()->Layer();
    const auto comments = [box]() {
        QStringList list;
        for (const PdfAnnotation& a : box->Annotations()->PageAnnotations(2))
            list << QStringLiteral("%1 %2,%3").arg(a.kind).arg(qRound(a.rect.x())).arg(qRound(a.rect.y()));
        return list;
    };
    const auto add = [layer](CCommentOptions::Tool kind, const QRectF& rect) {
        PdfAnnotation made = layer->NewAnnotation(kind, 2);
        made.rect = rect;
        layer->AddAnnotation(made);
    };
    add(CCommentOptions::Rectangle, QRectF(100, 100, 80, 60));
    box->PageView()->GoToPage(2);
    box->Session()->UndoStack()->setClean();

    // Every key the menus show has a row above.
    QSet<QString> shown;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->menu())
                walk(action->menu());
            for (const QKeySequence& key : action->shortcuts())
                shown << key.toString();
        }
    };
    walk(window->Menu()->BuildFileMenu(window));
    walk(window->Menu()->BuildTabMenu(window));
    QSet<QString> listed;
    for (const auto& row : ShortcutRows())
        listed << QKeySequence(row.first).toString();
    QVERIFY2(listed.contains(shown), qPrintable(QStringList((shown - listed).values()).join(", ")));

    // What the key acts on is set up first.
    QStringList expected; // the comments after each press
    if (effect == "undone" || effect == "redone") {
        const QString original = comments().join(';');
        add(CCommentOptions::Ellipse, QRectF(200, 300, 50, 50));
        const QString added = comments().join(';');
        layer->Select(2, 1);
        layer->ChangeSelected([](PdfAnnotation& a) { a = a.Translated(QPointF(30, 40)); }, QStringLiteral("Move"));
        const QString moved = comments().join(';');
        layer->Select(2, 0);
        QVERIFY(layer->DeleteSelected());
        // Each Ctrl+Z takes back one step: the delete, the move, the add.
        expected = QStringList {moved, added, original};
        if (effect == "redone") {
            box->Session()->UndoStack()->undo();
            box->Session()->UndoStack()->undo();
            expected = QStringList {moved};
        }
    } else if (effect == "comment cut" || effect == "comment deleted" || effect == "comment pasted") {
        box->Comments()->Show(false);
        layer->Select(2, 0);
        if (effect == "comment pasted")
            box->OnMainMenuTrigger("copy");
    } else if (effect == "text copied") {
        box->PageView()->SelectAllText();
    } else if (effect == "saved") {
        add(CCommentOptions::Ellipse, QRectF(200, 300, 50, 50));
    } else if (effect == "back" || effect == "forward") {
        // An outline jump from the first page to the last.
        box->PageView()->GoToPage(0);
        emit box->SidePanel()->SignalGoToPage(3);
        if (effect == "forward")
            box->OnMainMenuTrigger("go_back");
    }

    QApplication::setActiveWindow(window);
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QSignalSpy closeAll(window, &MainView::SignalRequestCloseAll);
    QPointer<MainView> watched(window);
    const int tabs = window->TabBar()->GetItemCount();
    QTRY_VERIFY(box->PageView()->ZoomPercent() > 0);
    const double zoom = box->PageView()->ZoomPercent();
    QWidget* owner = nullptr;
    ModalAnswerer answer([&owner](QWidget* dialog) {
        owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
        dialog->close();
    });
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    const QKeySequence key(keys);
    QVERIFY(!key.isEmpty());
    QTest::keySequence(window, key);
    for (int step = 0; step < expected.size(); ++step) {
        if (step > 0)
            QTest::keySequence(window, key);
        QCOMPARE(comments().join(';'), expected.at(step));
    }

    if (effect == "dialog") {
        QCOMPARE(answer.AnsweredCount(), 1);
        QCOMPARE(owner, window);
    } else if (effect == "new tab") {
        QTRY_COMPARE(window->TabBar()->GetItemCount(), tabs + 1);
    } else if (effect == "tab closed") {
        QTRY_COMPARE(window->TabBar()->GetItemCount(), tabs - 1);
    } else if (effect == "window closed") {
        QTRY_VERIFY(!watched || !watched->isVisible());
    } else if (effect == "all windows close") {
        QCOMPARE(closeAll.count(), 1);
    } else if (effect == "saved") {
        QTRY_VERIFY(!box->IsDirty());
    } else if (effect == "undone" || effect == "redone") {
        QVERIFY(box->IsDirty() == (effect == "redone"));
    } else if (effect == "comment cut" || effect == "comment deleted") {
        QCOMPARE(comments().size(), 0);
    } else if (effect == "comment pasted") {
        QCOMPARE(comments().size(), 2);
        QVERIFY(comments().at(0) != comments().at(1));
    } else if (effect == "text copied") {
        QVERIFY2(clipboard->text().contains("Page 3"), qPrintable(clipboard->text()));
    } else if (effect == "text selected") {
        QVERIFY(box->PageView()->HasSelection());
    } else if (effect == "find bar") {
        QTRY_VERIFY(box->FindBar()->isVisible());
    } else if (effect == "comment bar") {
        QVERIFY(box->Comments()->IsShown());
    } else if (effect == "page editing") {
        QVERIFY(box->PageEdits()->IsShown() && !box->PageEdits()->Bar()->isHidden());
    } else if (effect.startsWith("panel ")) {
        QTRY_VERIFY(box->SidePanel()->isVisible());
        QCOMPARE(box->SidePanel()->CurrentPageIndex(), effect.mid(6).toInt());
    } else if (effect == "signature placing") {
        QVERIFY(box->Signatures()->IsPlacing());
    } else if (effect == "organizer") {
        QVERIFY(box->IsOrganizing());
    } else if (effect == "recognize bar") {
        // Shown with the keyboard in it, to go on from there.
        QTRY_VERIFY(box->Recognizer()->Bar()->isVisible());
        QTRY_VERIFY(box->Recognizer()->Bar()->isAncestorOf(QApplication::focusWidget()));
    } else if (effect.startsWith("zoomed")) {
        QVERIFY(effect == "zoomed in" ? box->PageView()->ZoomPercent() > zoom : box->PageView()->ZoomPercent() < zoom);
    } else if (effect.startsWith("turned")) {
        QCOMPARE(box->PageView()->Rotation(), effect == "turned left" ? 270 : 90);
    } else if (effect == "read mode") {
        QVERIFY(box->IsFullScreenReadModeEnable());
    } else if (effect == "presentation") {
        QWidget* show = box->findChild<QWidget*>("presentation_view");
        QVERIFY(show && show->isVisible());
        show->close();
    } else if (effect.startsWith("page ")) {
        QCOMPARE(box->PageView()->CurrentPage(), effect.mid(5).toInt());
    } else if (effect == "back" || effect == "forward") {
        QCOMPARE(box->PageView()->CurrentPage(), effect == "back" ? 0 : 3);
    } else if (effect == "minimized") {
        QTRY_VERIFY(window->isMinimized());
    } else if (effect.startsWith("tab ")) {
        QTRY_COMPARE(window->TabBar()->CurrentIndex(), effect.mid(4).toInt());
    } else {
        QFAIL(qPrintable("no check for " + effect));
    }
    // Nothing happened in the other window.
    if (effect != "all windows close")
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
