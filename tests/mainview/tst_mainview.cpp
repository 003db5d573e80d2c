#include "BlankOption.h"
#include "CAssocUtils.h"
#include "CClearEdit.h"
#include "CFileListModel.h"
#include "CFileListView.h"
#include "CRecentManager.h"
#include "CReviewDialog.h"
#include "CSettingManager.h"
#include "CTabBar.h"
#include "CWindowTitleBar.h"
#include "CannedServer.h"
#include "HomePage.h"
#include "MKCheckBox.h"
#include "MainBox.h"
#include "CPagePlan.h"
#include "CEditSession.h"
#include "RecentPage.h"
#include "SettingOption.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QThreadPool>
#include <QUrl>
#include <QStandardPaths>

namespace {

// The tab bar reaches its window through queued connections: deliver them.
void Settle()
{
    QCoreApplication::sendPostedEvents();
}

// Sets one general setting for the rest of the test function.
void SetGeneral(const QString& key, const QVariant& value)
{
    QVariantMap general = CSettingManager::getInstance()->GetGeneral();
    general[key] = value;
    CSettingManager::getInstance()->SetGeneral(general);
}

} // namespace

class TestMainView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowTabAndEngineKeys();
    void opensAndRefuses_data();
    void opensAndRefuses();
    void duplicateInAnotherWindowIsSelected();
    void requestKeysToolsAndDefaults();
    void privateModeRecordsNothing_data();
    void privateModeRecordsNothing();
    void threeFilesFromTheDialog();
    void droppedFilesOpenAndFailuresDrop();
    void nonPdfAttachmentGoesToTheDesktop();
    void blankDocumentIsDirtyTab_data();
    void blankDocumentIsDirtyTab();
    void tabDragEnds_data();
    void tabDragEnds();
    void openInNewWindowInheritsState();
    void engineRefusalKeepsWindow_data();
    void engineRefusalKeepsWindow();
    void closeQuestionAnswers_data();
    void closeQuestionAnswers();
    void closeOtherTabsLeavesCurrent_data();
    void closeOtherTabsLeavesCurrent();
    void restoreViewOffStoresStartView();
    void maximizedWindowComesBackMaximized();
    void desktopShortcutOnce();
    void renamingFromRecentListMovesOpenDocument();
    void reviewAskedOnlyWhenLastWindowCloses();

private:
    QString dir;
    QStringList docs;
    QVariantMap generalBefore;
};

void TestMainView::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    dir = TestEnv::MakeDir("window");
    for (const char* name : {"a", "b", "c", "d"}) {
        docs << dir + "/" + name + ".pdf";
        QVERIFY(TestPdf::Write(docs.last(), 8));
    }
    generalBefore = CSettingManager::getInstance()->GetGeneral();
}

void TestMainView::init()
{
    CSettingManager::getInstance()->SetPrivateEnabled(false);
    CSettingManager::getInstance()->SetGeneral(generalBefore);
    MKCheckBox::SetMarked("close_all", false);
}

void TestMainView::cleanup()
{
    TestWindows::DeleteAll();
}

void TestMainView::windowTabAndEngineKeys()
{
    MainView* window = TestWindows::New();
    for (int i = 0; i < 3; ++i)
        TestWindows::Open(window, docs[i]);
    QTRY_COMPARE(window->TabBar()->CurrentIndex(), 2);
    const QRect geometry = window->geometry();
    for (const char* key : {"move_left", "move_right", "replace"})
        window->SlotMenuTriggered(QString(key));
    QCOMPARE(window->geometry(), geometry);
    QCOMPARE(window->TabBar()->GetItemCount(), 3);
    // Next and previous go round the strip.
    window->SlotMenuTriggered(QStringLiteral("next_tab"));
    Settle();
    QCOMPARE(window->TabBar()->CurrentIndex(), 0);
    window->SlotMenuTriggered(QStringLiteral("pre_tab"));
    Settle();
    QCOMPARE(window->TabBar()->CurrentIndex(), 2);
    window->TabBar()->SetCurrentIndex(0);
    window->SlotMenuTriggered(QStringLiteral("next_tab"));
    QTRY_COMPARE(window->CurrentPage(), window->TabBar()->GetItem(1).widget);
    // On the home page engine keys reach no document and no tab is current.
    MainBox* box = TestWindows::Box(window, 1);
    box->OnMainMenuTrigger(QStringLiteral("fit_actual"));
    window->HomeButton()->setChecked(true);
    QCOMPARE(window->CurrentPage(), window->PageWidgetOfIndex(0));
    window->SlotMenuTriggered(QStringLiteral("zoom_in"));
    QCOMPARE(box->GetDisplayOption().value("zoom").toDouble(), 100.0);
}

void TestMainView::opensAndRefuses_data()
{
    // What the user asked for, and what the message must say of it ("%1" is
    // the folder of the test's files).
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("upper-case suffix") << "%1/Report.PDF" << "";
    QTest::newRow("a PDF under another name") << "%1/report.pdf.txt" << "";
    QTest::newRow("missing") << "%1/missing.pdf" << "\"%1/missing.pdf\" was not found";
    QTest::newRow("damaged") << "%1/broken.pdf" << "\"%1/broken.pdf\" is not a PDF document, or it is too damaged";
    QTest::newRow("damaged inside") << "%1/cut.pdf" << "\"%1/cut.pdf\" is damaged and cannot be read";
    QTest::newRow("text named .pdf") << "%1/notes.pdf" << "\"%1/notes.pdf\" is not a PDF document but a file of another kind (plain text document)";
    QTest::newRow("a folder") << "%1/folder.pdf" << "\"%1/folder.pdf\" is a folder";
    QTest::newRow("unreadable") << "%1/locked.pdf" << "You do not have permission to read \"%1/locked.pdf\"";
    QTest::newRow("web address") << "https://example.org/a.pdf" << "\"https://example.org/a.pdf\" is an address on the network";
    // Eight gigabytes of nothing that only call themselves a PDF: turned
    // down at once, without reading them through.
    QTest::newRow("8 GB of nothing") << "%1/nothing.pdf" << "\"%1/nothing.pdf\" is not a PDF document";
    // A file that takes its time (here the parser's search through 8 GB of
    // a file that starts like a PDF): its tab shows it is coming, the
    // window goes on working, and Cancel after a second gives it up.
    QTest::newRow("slow file, given up") << "%1/slow.pdf" << "";
}

void TestMainView::opensAndRefuses()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    const QString folder = TestEnv::MakeDir("refuse");
    name = name.arg(folder);
    message = message.arg(folder);
    TestPdf::Write(folder + "/Report.PDF", 1);
    TestPdf::Write(folder + "/report.pdf.txt", 1);
    TestPdf::WriteBytes(folder + "/broken.pdf", TestPdf::Garbage(3000, 9));
    TestPdf::WriteBytes(folder + "/cut.pdf", "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R");
    TestPdf::WriteBytes(folder + "/notes.pdf", "Shopping list: bread, milk, eggs.\n");
    TestPdf::WriteBytes(folder + "/locked.pdf", TestPdf::ReadBytes(folder + "/Report.PDF"));
    QFile(folder + "/locked.pdf").setPermissions(QFileDevice::WriteOwner);
    QDir().mkpath(folder + "/folder.pdf");
    if (name.endsWith("locked.pdf") && QFileInfo(name).isReadable())
        QSKIP("the permission to read cannot be taken from this user (root)");
    for (const char* sparse : {"nothing.pdf", "slow.pdf"}) {
        QFile file(folder + "/" + sparse);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(8) << 30));
        if (QByteArray(sparse) == "slow.pdf")
            file.write("%PDF-1.4\n");
    }
    MainView* window = TestWindows::New();
    ModalAnswerer answerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); });
    if (name.endsWith("slow.pdf")) {
        QElapsedTimer clock;
        clock.start();
        int nRet = -1;
        window->SlotOpenFile(nRet, {{"path", name}}, true);
        QVERIFY2(clock.elapsed() < 1000, "the window waited for the file");
        QCOMPARE(nRet, 0);
        auto* box = TestWindows::Box(window, 0);
        QVERIFY(box && !box->IsLoaded());
        QPushButton* cancel = box->findChild<QPushButton*>("button_cancel");
        QVERIFY(cancel);
        QTRY_VERIFY_WITH_TIMEOUT(cancel->isVisible(), 10000);
        cancel->click();
        QTRY_COMPARE(window->TabBar()->GetItemCount(), 0);
        QCOMPARE(answerer.AnsweredCount(), 0);
        return;
    }
    const int result = TestWindows::Open(window, name);
    QTRY_COMPARE(answerer.AnsweredCount(), message.isEmpty() ? 0 : 1);
    if (message.isEmpty()) {
        QCOMPARE(result, 0);
        QCOMPARE(window->TabBar()->GetItemCount(), 1);
    } else {
        // A failure the senders drop from their lists: neither 0 nor 100.
        QVERIFY(result != 0 && result != 100);
        QVERIFY(answerer.SeenTexts().first().contains("Failed to Open"));
        QVERIFY2(answerer.SeenTexts().first().contains(message), qPrintable(answerer.SeenTexts().first()));
        QTRY_COMPARE(window->TabBar()->GetItemCount(), 0);
    }
}

void TestMainView::duplicateInAnotherWindowIsSelected()
{
    MainView* first = TestWindows::New();
    MainView* second = TestWindows::New();
    TestWindows::Open(first, docs[0]);
    TestWindows::Open(first, docs[1]);
    QTRY_COMPARE(first->TabBar()->CurrentIndex(), 1);
    // Another spelling of the same path, from another window.
    QCOMPARE(TestWindows::Open(second, dir + "//./a.pdf"), 0);
    QCOMPARE(second->TabBar()->GetItemCount(), 0);
    QCOMPARE(first->TabBar()->GetItemCount(), 2);
    QCOMPARE(first->TabBar()->CurrentIndex(), 0);
    QTRY_COMPARE(first->CurrentPage(), first->TabBar()->GetItem(0).widget);
}

void TestMainView::requestKeysToolsAndDefaults()
{
    QVariantMap display = CSettingManager::getInstance()->GetDisplay();
    const QVariantMap saved = display;
    display["Page_View"] = 150.0f;
    CSettingManager::getInstance()->SetDisplay(display);
    MainView* window = TestWindows::New();
    QCOMPARE(TestWindows::Open(window, QVariantMap {{"path", docs[0]}, {"pageIndex", 5}}), 0);
    CSettingManager::getInstance()->SetDisplay(saved);
    MainBox* box = TestWindows::Box(window, 0);
    QTRY_COMPARE(box->CurrentPageIndex(), 5);
    QCOMPARE(box->GetDisplayOption().value("zoom").toDouble(), 150.0);
    QVERIFY(CRecentManager::getInstance()->IndexOf(docs[0]) >= 0);
    // The organize tool of the home page opens the page organizer of the
    // open document; the open button hands -1: nothing to start.
    QCOMPARE(TestWindows::Open(window, QVariantMap {{"path", docs[0]}, {"toolID", 3}}), 0);
    QTRY_VERIFY(box->IsOrganizing());
    QVERIFY(box->CloseOrganizer());
    QCOMPARE(TestWindows::Open(window, QVariantMap {{"path", docs[0]}, {"toolID", -1}}), 0);
    Settle();
    QVERIFY(!box->IsOrganizing());
    QCOMPARE(window->TabBar()->GetItemCount(), 1);
}

void TestMainView::privateModeRecordsNothing_data()
{
    QTest::addColumn<bool>("privateMode");
    QTest::addColumn<bool>("locked");
    // The desktop's recently-used list before the open; null: none yet.
    QTest::addColumn<QByteArray>("desktopList");
    QTest::newRow("private") << true << false << QByteArray();
    QTest::newRow("ordinary") << false << false << QByteArray();
    QTest::newRow("password protected") << false << true << QByteArray();
    QTest::newRow("desktop's list damaged") << false << false << QByteArray("<xbel><bookmark href=");
}

void TestMainView::privateModeRecordsNothing()
{
    QFETCH(bool, privateMode);
    QFETCH(bool, locked);
    QFETCH(QByteArray, desktopList);
    const QString xbel = TestEnv::Root() + "/data/recently-used.xbel";
    QFile::remove(xbel);
    if (!desktopList.isNull())
        QVERIFY(TestPdf::WriteBytes(xbel, desktopList));
    CRecentManager::getInstance()->RemoveAllRecords();
    CSettingManager::getInstance()->SetPrivateEnabled(privateMode);
    const QString path = locked ? dir + "/locked.pdf" : docs[2];
    QVERIFY(!locked || TestPdf::WriteEncrypted(docs[2], path, "secret"));
    MainView* window = TestWindows::New();
    ModalAnswerer password([](QWidget* box) {
        box->findChild<QLineEdit*>("line_password")->setText("secret");
        ModalAnswerer::ClickButton(box, "button_ok");
    });
    QCOMPARE(TestWindows::Open(window, path), 0);
    QSignalSpy rendered(TestWindows::Box(window, 0), &MainBox::SignalFirstThumbRendered);
    QVERIFY(rendered.wait());
    // No picture of the page: not in private mode, never of a locked file.
    const QString thumb = CRecentManager::ThumbnailDirPath() + CRecentManager::ThumbnailFileName(path);
    QCOMPARE(QFile::exists(thumb), !privateMode && !locked);
    QCOMPARE(CRecentManager::getInstance()->Count(), privateMode ? 0 : 1);
    QTRY_COMPARE(CRecentManager::getInstance()->GetItemInfo(0).value("hasPassword").toBool(), locked);
    // The desktop's Recent lists it too (GLib keeps what was there); a list
    // that cannot be read is left as it was.
    QThreadPool::globalInstance()->waitForDone();
    const QByteArray after = TestPdf::ReadBytes(xbel);
    const bool damaged = desktopList.startsWith("<xbel>");
    QCOMPARE(after.contains(QUrl::fromLocalFile(path).toEncoded()), !privateMode && !damaged);
    if (damaged)
        QCOMPARE(after, desktopList);
}

void TestMainView::threeFilesFromTheDialog()
{
    CSettingManager::getInstance()->SetRecord("last_folder", dir);
    MainView* window = TestWindows::New();
    ModalAnswerer answerer([](QWidget* dialog) {
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (!name) {
            dialog->close();
            return;
        }
        name->setText("\"a.pdf\" \"b.pdf\" \"c.pdf\"");
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    window->SlotTabClickedAdd();
    QCOMPARE(answerer.AnsweredCount(), 1);
    QStringList order;
    for (int i = 0; i < window->TabBar()->GetItemCount(); ++i)
        order << window->TabBar()->GetItem(i).text;
    QCOMPARE(order, QStringList({"a", "b", "c"}));
    QTRY_COMPARE(window->TabBar()->CurrentIndex(), 2);
    QCOMPARE(CSettingManager::getInstance()->GetRecord("last_folder").toString(), dir);
}

void TestMainView::droppedFilesOpenAndFailuresDrop()
{
    MainView* window = TestWindows::New();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(docs[0]), QUrl::fromLocalFile(docs[1])});
    TestWindows::Drop(window, &data, Qt::CopyAction);
    // Not inside the drop: the desktop's drag ends first.
    QCOMPARE(window->TabBar()->GetItemCount(), 0);
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 2);

    // A dropped file that fails is reported but stays in the recent list;
    // the same file handed over from outside is dropped from it.
    const QString gone = TestEnv::MakeDir("gone") + "/gone.pdf";
    TestPdf::Write(gone, 1);
    CRecentManager::getInstance()->AddRecord(gone, {});
    QFile::remove(gone);
    QStringList shown;
    window->Home()->GetRecentFileList(shown);
    ModalAnswerer answerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); }, 2);
    QMimeData missing;
    missing.setUrls({QUrl::fromLocalFile(gone)});
    TestWindows::Drop(window, &missing, Qt::CopyAction);
    QTRY_COMPARE(answerer.AnsweredCount(), 1);
    QVERIFY(CRecentManager::getInstance()->IndexOf(gone) >= 0);
    CMainViewManager::getInstance()->SetCurrentView(window);
    CMainViewManager::getInstance()->SlotOpenFileEvent(gone);
    QTRY_COMPARE(answerer.AnsweredCount(), 2);
    QTRY_COMPARE(CRecentManager::getInstance()->IndexOf(gone), -1);
}

void TestMainView::nonPdfAttachmentGoesToTheDesktop()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "Open");
    MainView* window = TestWindows::New();
    const QString text = TestEnv::MakeDir("attach") + "/notes.txt";
    TestPdf::WriteBytes(text, "hello");
    window->SlotDocumentOpenAttachment(text);
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(catcher.urls, QList<QUrl> {QUrl::fromLocalFile(text)});
    QCOMPARE(window->TabBar()->GetItemCount(), 0);
    // A PDF attachment opens as a tab.
    window->SlotDocumentOpenAttachment(docs[1]);
    QCOMPARE(window->TabBar()->GetItemCount(), 1);
}

void TestMainView::blankDocumentIsDirtyTab_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("caption");
    QTest::newRow("defaults") << "" << "Untitled_";
    QTest::newRow("page count cleared") << "count" << "Untitled_";
    QTest::newRow("custom width cleared") << "width" << "Untitled_";
    QTest::newRow("200 wide characters") << "name" << QString(79, QChar(0x6587)) + "_";
    QTest::newRow("folder unusable") << "folder" << "";
}

void TestMainView::blankDocumentIsDirtyTab()
{
    QFETCH(QString, change);
    QFETCH(QString, caption);
    CSettingManager* settings = CSettingManager::getInstance();
    const QVariantMap saved = settings->GetBlank();
    const QString folder = settings->BlankDirPath();
    {
        // What the user left in the dialog when pressing Apply.
        SettingOption dialog;
        BlankOption* page = dialog.Blank();
        if (change == "count")
            page->CountEdit()->clear();
        if (change == "width") {
            QTest::mouseClick(page->CustomButton(), Qt::LeftButton);
            page->WidthEdit()->clear();
        }
        if (change == "name")
            page->NameEdit()->setText(QString(200, QChar(0x6587)));
        dialog.findChild<QPushButton*>("button_ok")->click();
    }
    const QVariantMap stored = settings->GetBlank();
    for (auto it = stored.constBegin(); it != stored.constEnd(); ++it)
        QVERIFY2(CSettingManager::IsValidValue(it.key(), it.value()), qPrintable(it.key()));
    if (change == "folder") {
        QDir(folder).removeRecursively();
        QVERIFY(TestPdf::WriteBytes(QDir::cleanPath(folder), "not a folder"));
    }
    MainView* window = TestWindows::New();
    ModalAnswerer answerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); });
    QTest::mouseClick(window->Home()->CreateButton(), Qt::LeftButton);
    settings->SetBlank(saved);
    if (change == "folder") {
        QFile::remove(QDir::cleanPath(folder));
        QDir().mkpath(folder);
        QCOMPARE(window->TabBar()->GetItemCount(), 0);
        QCOMPARE(answerer.AnsweredCount(), 1);
        QVERIFY(answerer.SeenTexts().first().contains("Failed to Create PDF"));
        QVERIFY(answerer.SeenTexts().first().contains(QDir::cleanPath(folder)));
        return;
    }
    QCOMPARE(answerer.AnsweredCount(), 0);
    QCOMPARE(window->TabBar()->GetItemCount(), 1);
    QVERIFY(window->TabBar()->IsItemDirty(0));
    QVERIFY(window->TabBar()->GetItem(0).text.startsWith(caption));
    QVERIFY(TestWindows::Box(window, 0)->isTempDoc());
    QCOMPARE(TestWindows::Box(window, 0)->PageCount(), 1);
    QTRY_VERIFY(window->isWindowModified());
}

void TestMainView::tabDragEnds_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("windows");
    QTest::newRow("dropped on another window's bar") << "other bar" << 1;
    QTest::newRow("dropped back on its own bar") << "own bar" << 1;
    QTest::newRow("taken by another program") << "other program" << 2;
}

// What a real drag does: the source takes the tab off its bar, a bar may
// accept the payload, and the drag ends with the action the drop chose.
void TestMainView::tabDragEnds()
{
    QFETCH(QString, end);
    QFETCH(int, windows);
    QPointer<MainView> source = TestWindows::New();
    QPointer<MainView> target = end == "other bar" ? TestWindows::New() : nullptr;
    if (target)
        TestWindows::Open(target, docs[1]);
    TestWindows::Open(source, docs[0]);
    if (end != "other bar")
        source->SlotCreateBlankPDF();
    const int last = source->TabBar()->GetItemCount() - 1;
    const TabItem item = source->TabBar()->GetItem(last);
    source->TabBar()->RemoveItem(last);
    QScopedPointer<QMimeData> data(CTabBar::EncodeDragData(item.text, item.dirty, item.widget));
    CTabBar::BeginTabDrag(item.widget);
    if (end == "other bar" || end == "own bar")
        TestWindows::Drop(end == "own bar" ? source->TabBar() : target->TabBar(), data.data(), Qt::MoveAction);
    source->FinishTabDrag(item.text, item.dirty, item.widget, Qt::MoveAction, QPoint(10, 10));

    QTRY_COMPARE(CMainViewManager::getInstance()->WindowsCount(), windows);
    auto* holder = qobject_cast<MainView*>(end == "other bar" ? target.data()
                                               : end == "own bar" ? source.data()
                                                                  : CMainViewManager::getInstance()->Views().last());
    QTRY_COMPARE(holder->TabBar()->IndexOfWidget(item.widget), holder->TabBar()->GetItemCount() - 1);
    QCOMPARE(holder->TabBar()->IsItemDirty(holder->TabBar()->GetItemCount() - 1), item.dirty);
    QCOMPARE(item.widget->window(), holder);
    QVERIFY(MainBox::IsLiveBox(item.widget));
    // A window left without tabs by the move goes; one with tabs stays.
    if (end == "other bar")
        QTRY_VERIFY(source.isNull());
    else
        QCOMPARE(source->TabBar()->GetItemCount(), end == "own bar" ? 2 : 1);
}

void TestMainView::openInNewWindowInheritsState()
{
    MainView* window = TestWindows::New();
    TestWindows::Open(window, docs[0]);
    // The only tab stays where it is.
    window->SlotMenuTriggered(QStringLiteral("open_in_new_window"));
    QCOMPARE(CMainViewManager::getInstance()->WindowsCount(), 1);
    TestWindows::Open(window, docs[1]);
    TestWindows::Open(window, docs[2]);
    window->TabBar()->SetCurrentIndex(1);
    QWidget* moving = window->TabBar()->GetItem(1).widget;
    window->showFullScreen();
    window->SlotMenuTriggered(QStringLiteral("open_in_new_window"));
    QCOMPARE(CMainViewManager::getInstance()->WindowsCount(), 2);
    QCOMPARE(window->TabBar()->IndexOfWidget(moving), -1);
    QCOMPARE(window->TabBar()->CurrentIndex(), 0);
    auto* created = qobject_cast<MainView*>(CMainViewManager::getInstance()->Views().last());
    QCOMPARE(created->TabBar()->GetItem(0).widget, moving);
    QCOMPARE(created->pos(), QCursor::pos());
    QVERIFY(created->isFullScreen());
    // A document in read mode arrives without a title bar.
    TestWindows::Box(window, 0)->EnterReadMode();
    window->SlotMenuTriggered(QStringLiteral("open_in_new_window"));
    auto* reader = qobject_cast<MainView*>(CMainViewManager::getInstance()->Views().last());
    QVERIFY(reader != created);
    QVERIFY(!reader->titleBar()->isVisible());
}

void TestMainView::engineRefusalKeepsWindow_data()
{
    QTest::addColumn<int>("documents");
    QTest::addColumn<QStringList>("answers");
    QTest::newRow("only tab, cancelled") << 1 << QStringList {"button_1"};
    QTest::newRow("second of three cancelled") << 3 << QStringList {"button_2", "button_1"};
}

void TestMainView::engineRefusalKeepsWindow()
{
    QFETCH(int, documents);
    QFETCH(QStringList, answers);
    MKCheckBox::SetMarked("close_all", true);
    MainView* window = TestWindows::New();
    for (int i = 0; i < documents; ++i)
        window->SlotCreateBlankPDF();
    QSignalSpy closed(window, &MainView::SignalMainViewClosed);
    QSignalSpy tabs(window->TabBar(), &CTabBar::SignalItemCountChanged);
    // Only the engines ask: "Don't Save" lets the chain go on, "Cancel" stops it.
    int step = 0;
    ModalAnswerer answerer([&](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, answers.at(step++)); },
                           answers.size());
    window->close();
    QTRY_COMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).toBool(), false);
    QCOMPARE(answerer.AnsweredCount(), answers.size());
    QVERIFY(answerer.SeenTexts().first().contains("Do you want to save changes"));
    const int left = documents - answers.size() + 1;
    QCOMPARE(window->TabBar()->GetItemCount(), left);
    // The chain has stopped: no later step closes anything.
    tabs.clear();
    QVERIFY(!tabs.wait(300));
    QCOMPARE(closed.count(), 1);
    QVERIFY(window->isVisible());
    QVERIFY(!window->IsClosingWindow());
}

void TestMainView::closeQuestionAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tabsLeft");
    QTest::newRow("close current tab") << "button_1" << 2;
    QTest::newRow("close all tabs") << "button_2" << 0;
    QTest::newRow("closed without an answer") << "button_close" << 3;
    QTest::newRow("current tab, always") << "always" << 2;
}

void TestMainView::closeQuestionAnswers()
{
    QFETCH(QString, button);
    QFETCH(int, tabsLeft);
    QPointer<MainView> window = TestWindows::New();
    QPointer<MainView> other = TestWindows::New();
    for (int i = 0; i < 3; ++i)
        TestWindows::Open(window, docs[i]);
    ModalAnswerer answerer([button](QWidget* dialog) {
        dialog->findChild<QCheckBox*>("check_box")->setChecked(button == "always");
        ModalAnswerer::ClickButton(dialog, button == "always" ? "button_1" : button);
    }, 2);
    // Asked while quitting: only "Close All Tabs" lets the quit go on.
    CMainViewManager::getInstance()->CloseAllViews();
    QCOMPARE(answerer.AnsweredCount(), 1);
    QVERIFY(answerer.SeenTexts().first().contains("Do you want to close all tabs or the current tab?"));
    QCOMPARE(MKCheckBox::IsMarked("close_all"), button == "always");
    if (tabsLeft == 0) {
        QTRY_VERIFY(window.isNull() && other.isNull());
        return;
    }
    QTRY_COMPARE(window->TabBar()->GetItemCount(), tabsLeft);
    QVERIFY(!CMainViewManager::getInstance()->IsQuittingAll());
    // The user's next ordinary close closes that window alone.
    QSignalSpy closed(window.data(), &MainView::SignalMainViewClosed);
    other->close();
    QTRY_VERIFY(other.isNull());
    QVERIFY(!closed.wait(300));
    QCOMPARE(window->TabBar()->GetItemCount(), tabsLeft);
    if (button == "always") {
        // Remembered: the window's own close now closes every tab unasked.
        window->close();
        QTRY_VERIFY(window.isNull());
    }
    QCOMPARE(answerer.AnsweredCount(), 1);
}

void TestMainView::closeOtherTabsLeavesCurrent_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<int>("left");
    QTest::newRow("alone") << QString() << 1;
    QTest::newRow("close all started meanwhile") << "close_all_tabs" << 0;
    // The first other tab has unsaved changes and the user cancels there.
    QTest::newRow("cancelled at an unsaved tab") << "cancel" << 4;
}

void TestMainView::closeOtherTabsLeavesCurrent()
{
    QFETCH(QString, meanwhile);
    QFETCH(int, left);
    MainView* window = TestWindows::New();
    for (const QString& doc : docs)
        TestWindows::Open(window, doc);
    window->TabBar()->SetCurrentIndex(1);
    QWidget* b = window->TabBar()->GetItem(1).widget;
    QScopedPointer<ModalAnswerer> cancel;
    if (meanwhile == "cancel") {
        MainBox* a = TestWindows::Box(window, 0);
        CPagePlan plan = a->Session()->Plan();
        plan.Rotate({0}, 90);
        a->Session()->ApplyPlan(plan, "turn", {});
        // Cancel the first time; a chain that went on would ask again.
        cancel.reset(new ModalAnswerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_1"); }, 2));
    }
    window->Menu()->BuildTabMenu(window);
    window->Menu()->TabAction("close_other_tabs")->trigger();
    if (!meanwhile.isEmpty() && !cancel)
        window->Menu()->TabAction(meanwhile)->trigger();
    if (cancel)
        QTRY_COMPARE(cancel->AnsweredCount(), 1);
    QTRY_COMPARE(window->TabBar()->GetItemCount(), left);
    QVERIFY(left == 0 || left == 4 || window->TabBar()->GetItem(0).widget == b);
    QSignalSpy tabs(window->TabBar(), &CTabBar::SignalItemCountChanged);
    QVERIFY(!tabs.wait(300));
    QVERIFY(CMainViewManager::getInstance()->Views().contains(window));
    // Once the chain is over, closing one tab closes that tab only.
    for (int i : {0, 2, 3})
        TestWindows::Open(window, docs[i]);
    QTRY_COMPARE(window->TabBar()->CurrentIndex(), window->IndexOfDocument(docs[3]));
    const int before = window->TabBar()->GetItemCount();
    window->Menu()->TabAction("close_tab")->trigger();
    QTRY_COMPARE(window->TabBar()->GetItemCount(), before - 1);
    tabs.clear();
    QVERIFY(!tabs.wait(300));
    QVERIFY(!cancel || cancel->AnsweredCount() == 1);
}

void TestMainView::restoreViewOffStoresStartView()
{
    MainView* window = TestWindows::New();
    for (bool restore : {true, false}) {
        SetGeneral("Restore_View", restore);
        TestWindows::Open(window, QVariantMap {{"path", docs[3]}, {"pageIndex", 6}, {"zoom", 150.0}});
        QTRY_COMPARE(TestWindows::Box(window, 0)->CurrentPageIndex(), 6);
        window->SlotMenuTriggered(QStringLiteral("close_tab"));
        QTRY_COMPARE(window->TabBar()->GetItemCount(), 0);
        CRecentManager* recent = CRecentManager::getInstance();
        const QVariantMap info = recent->GetItemInfo(recent->IndexOf(docs[3]));
        QCOMPARE(info.value("pageIndex").toInt(), restore ? 6 : 0);
        QCOMPARE(info.value("zoom").toDouble(), restore ? 150.0 : -2.0);
    }
}

// Where a window was left is the journeys' (relaunch); a maximized window
// comes back maximized.
void TestMainView::maximizedWindowComesBackMaximized()
{
    QPointer<MainView> first = TestWindows::New();
    first->showMaximized();
    QTRY_VERIFY(first->isMaximized());
    first->close();
    QTRY_VERIFY(first.isNull());
    MainView* second = TestWindows::New();
    QTRY_VERIFY(second->isMaximized());
    QVERIFY(second->titleBar()->findChild<QPushButton*>("max_button")->isChecked());
    CSettingManager::getInstance()->SetRecord("Window_Maximized", false);
}

void TestMainView::desktopShortcutOnce()
{
    const QString link = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/RVPDF.desktop";
    QFile::remove(link);
    MainView* window = TestWindows::New();
    ModalAnswerer answerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); }, 2);
    window->SlotClickedCreateLink();
    QCOMPARE(answerer.AnsweredCount(), 1);
    QVERIFY(answerer.SeenTexts().at(0).contains("Shortcut successfully created!"));
    QVERIFY(link.startsWith(TestEnv::Root()));
    QFile file(link);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray entry = file.readAll();
    QVERIFY(entry.startsWith("[Desktop Entry]"));
    const QString exec = MKBase::CAssocUtils::ExecValue(QCoreApplication::applicationFilePath());
    QVERIFY(entry.contains("\nExec=" + exec.toUtf8() + "\n"));
    // The icon the package installs.
    QVERIFY(entry.contains("\nIcon=org.rvpdf.RVPDF\n"));
    QVERIFY(QFileInfo(link).isExecutable());
    window->SlotClickedCreateLink();
    QCOMPARE(answerer.AnsweredCount(), 2);
    QVERIFY(answerer.SeenTexts().at(1).contains("Shortcut already exists."));
}

void TestMainView::renamingFromRecentListMovesOpenDocument()
{
    const QString folder = TestEnv::MakeDir("rename-open");
    QVERIFY(TestPdf::Write(folder + "/report.pdf", 2));
    MainView* window = TestWindows::New();
    QCOMPARE(TestWindows::Open(window, folder + "/report.pdf"), 0);
    QTest::mouseClick(window->HomeButton(), Qt::LeftButton);
    QTRY_COMPARE(window->CurrentPage(), window->PageWidgetOfIndex(0));
    CFileListView* list = window->Home()->Recent()->ListView();
    const QModelIndex row = list->model()->index(0, 0);
    QCOMPARE(row.data(CFileListModel::RecentInfoRole).toMap().value("path").toString(), folder + "/report.pdf");
    ModalAnswerer rename([](QWidget* box) {
        box->findChild<QLineEdit*>("line_edit")->setText("minutes");
        ModalAnswerer::ClickButton(box, "button_ok");
    });
    list->SlotClickedRename(row);
    QCOMPARE(rename.AnsweredCount(), 1);
    const QString renamed = folder + "/minutes.pdf";
    QVERIFY(QFile::exists(renamed));
    // The tab follows the file: its document, its caption and its record.
    QCOMPARE(TestWindows::Box(window, 0)->GetDocumentFilePath(), renamed);
    QCOMPARE(window->TabBar()->GetItem(0).text, QStringLiteral("minutes"));
    QVERIFY(CRecentManager::getInstance()->IndexOf(renamed) >= 0);
    QCOMPARE(TestWindows::Open(window, renamed), 0);
    QCOMPARE(window->TabBar()->GetItemCount(), 1);
}

void TestMainView::reviewAskedOnlyWhenLastWindowCloses()
{
    // Past the first runs, so the rating question is due.
    while (CReviewDialog::LaunchCount() < CReviewDialog::kMinLaunches)
        CReviewDialog::AddLaunch();
    QVERIFY(!CReviewDialog::WasShown());
    QPointer<MainView> first = TestWindows::New();
    QPointer<MainView> last = TestWindows::New();
    ModalAnswerer review([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_2"); });
    // Asked on the way out, while the window closes.
    first->close();
    QTRY_VERIFY(first.isNull());
    QCOMPARE(review.AnsweredCount(), 0);
    QVERIFY(!CReviewDialog::WasShown());
    last->close();
    QTRY_COMPARE(review.AnsweredCount(), 1);
    QVERIFY(review.SeenTexts().first().contains("RVPDF"));
    QVERIFY(CReviewDialog::WasShown());
}

RV_TEST_MAIN(TestMainView)
#include "tst_mainview.moc"
