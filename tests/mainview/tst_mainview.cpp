#include "BlankOption.h"
#include "CAssocUtils.h"
#include "CClearEdit.h"
#include "CFileListModel.h"
#include "CFileListView.h"
#include "CPageView.h"
#include "CRecentManager.h"
#include "CSettingManager.h"
#include "CSidePanel.h"
#include "CTabBar.h"
#include "CWindowTitleBar.h"
#include "HomePage.h"
#include "CReviewDialog.h"
#include "MKCheckBox.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "RecentPage.h"
#include "SettingOption.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QDesktopServices>
#include <QScreen>
#include <QStandardPaths>
#include <QDir>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

namespace {

CMainViewManager* Manager()
{
    return CMainViewManager::getInstance();
}

MainView* NewWindow()
{
    auto* window = qobject_cast<MainView*>(Manager()->CreateMainView(nullptr));
    window->show();
    return window;
}

int Open(MainView* window, const QVariantMap& request)
{
    int nRet = -1;
    window->SlotOpenFile(nRet, request, true);
    return nRet;
}

int Open(MainView* window, const QString& path)
{
    return Open(window, QVariantMap{{"path", path}});
}

MainBox* Box(MainView* window, int index)
{
    return qobject_cast<MainBox*>(window->TabBar()->GetItem(index).widget);
}

// Records the URLs handed to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Handle(const QUrl& url) { urls << url; }
};

} // namespace

class TestMainView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void countAndAddButtons();
    void exitFullScreenOnlyWhenWindowed();
    void windowAndTabKeys();
    void homePageDropsEngineActions();
    void opensAndRefuses_data();
    void opensAndRefuses();
    void duplicateInAnotherWindowIsSelected();
    void toolIndexReachesOpenDocument();
    void requestKeysAndDefaults();
    void privateModeRecordsNothing_data();
    void privateModeRecordsNothing();
    void threeFilesFromTheDialog();
    void failedDropKeepsRecordManagerRemovesIt();
    void nonPdfAttachmentGoesToTheDesktop();
    void blankDocumentIsDirtyTab_data();
    void blankDocumentIsDirtyTab();
    void droppedFilesOpenAfter100ms();
    void onlyTabMovesAndWindowCloses();
    void tornOffTabGetsNewWindow();
    void dropBackOnOwnBarReturnsLast();
    void otherProgramTakingTheDropKeepsDocument();
    void openInNewWindow();
    void fullScreenAndReadModeAreInherited();
    void engineRefusalKeepsWindow_data();
    void engineRefusalKeepsWindow();
    void closeQuestionAnswers_data();
    void closeQuestionAnswers();
    void alwaysCloseAllIsRemembered();
    void closeOtherTabsLeavesCurrent_data();
    void closeOtherTabsLeavesCurrent();
    void quitCloseClosesEmptyWindow();
    void restoreViewOffStoresStartView();
    void geometryRestored();
    void desktopShortcutOnce();
    void refusesForgedTabs();
    void renamingFromRecentListMovesOpenDocument();
    void reviewAskedOnlyWhenLastWindowCloses();

private:
    QString dir;
    QStringList docs;
};

void TestMainView::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    dir = TestEnv::MakeDir("window");
    for (const char* name : {"a", "b", "c", "d"}) {
        docs << dir + "/" + name + ".pdf";
        QVERIFY(TestPdf::Write(docs.last(), 8));
    }
}

void TestMainView::init()
{
    CSettingManager::getInstance()->SetPrivateEnabled(false);
    MKCheckBox::SetMarked("close_all", false);
}

void TestMainView::cleanup()
{
    for (QWidget* view : Manager()->Views())
        delete view;
    QTest::qWait(10);
}

void TestMainView::countAndAddButtons()
{
    MainView* window = NewWindow();
    QVERIFY(!window->TabCountButton()->isVisible());
    QCOMPARE(window->AddButton()->pos(), QPoint(10, 6));
    QCOMPARE(Open(window, docs[0]), 0);
    QTRY_VERIFY(window->TabCountButton()->isVisible());
    QCOMPARE(window->TabCountButton()->text(), QStringLiteral("1"));
    QTRY_COMPARE(window->AddButton()->pos(), QPoint(207 + 10, 6));
    // A very wide row never pushes the add button out of the bar.
    for (int i = 0; i < 29; ++i)
        window->TabBar()->AddItem(QString::number(i), false, nullptr, false);
    QTest::qWait(20);
    QCOMPARE(window->AddButton()->x(), window->TabBar()->width() - 24);
    QCOMPARE(window->TabCountButton()->text(), QStringLiteral("30"));
}

void TestMainView::exitFullScreenOnlyWhenWindowed()
{
    MainView* window = NewWindow();
    Open(window, docs[0]);
    Open(window, docs[1]);
    QTRY_COMPARE(window->TabBar()->CurrentIndex(), 1);
    MainBox* a = Box(window, 0);
    // Full screen: switching tabs leaves a document in read mode alone.
    window->showFullScreen();
    a->EnterReadMode();
    window->TabBar()->SetCurrentIndex(0);
    QTest::qWait(20);
    window->TabBar()->SetCurrentIndex(1);
    window->TabBar()->SetCurrentIndex(0);
    QTest::qWait(20);
    QVERIFY(a->IsFullScreenReadModeEnable());
    // Windowed: selecting the tab tells its document to leave read mode.
    window->TabBar()->SetCurrentIndex(1);
    QTest::qWait(20);
    window->showNormal();
    QTest::qWait(20);
    QVERIFY(a->IsFullScreenReadModeEnable());
    window->TabBar()->SetCurrentIndex(0);
    QTRY_VERIFY(!a->IsFullScreenReadModeEnable());
}

void TestMainView::windowAndTabKeys()
{
    MainView* window = NewWindow();
    for (int i = 0; i < 3; ++i)
        Open(window, docs[i]);
    QTRY_COMPARE(window->TabBar()->CurrentIndex(), 2);
    const QRect geometry = window->geometry();
    for (const char* key : {"move_left", "move_right", "replace"})
        window->SlotMenuTriggered(QString(key));
    QCOMPARE(window->geometry(), geometry);
    QCOMPARE(window->TabBar()->GetItemCount(), 3);
    window->SlotMenuTriggered(QStringLiteral("next_tab"));
    QTest::qWait(20);
    QCOMPARE(window->TabBar()->CurrentIndex(), 2);
    window->TabBar()->SetCurrentIndex(0);
    window->SlotMenuTriggered(QStringLiteral("pre_tab"));
    QTest::qWait(20);
    QCOMPARE(window->TabBar()->CurrentIndex(), 0);
    window->SlotMenuTriggered(QStringLiteral("next_tab"));
    QTRY_COMPARE(window->CurrentPage(), window->TabBar()->GetItem(1).widget);
    // Tab information for the menus.
    QVariantMap info;
    window->SlotGetCurrentTabInfo(info);
    QCOMPARE(info.value("tabCount").toInt(), 3);
    QCOMPARE(info.value("dirty").toBool(), false);
    QCOMPARE(info.value("is_temp").toBool(), false);
    QCOMPARE(info.value("module_index").toInt(), 0);
}

void TestMainView::homePageDropsEngineActions()
{
    MainView* window = NewWindow();
    Open(window, docs[0]);
    QTRY_VERIFY(!window->HomeButton()->isChecked());
    MainBox* box = Box(window, 0);
    box->OnMainMenuTrigger(QStringLiteral("fit_actual"));
    window->HomeButton()->setChecked(true);
    QCOMPARE(window->CurrentPage(), window->PageWidgetOfIndex(0));
    QVERIFY(!window->HomeButton()->isEnabled());
    QVariantMap info {{"stale", 1}};
    window->SlotGetCurrentTabInfo(info);
    QVERIFY(info.isEmpty());
    window->SlotMenuTriggered(QStringLiteral("zoom_in"));
    QCOMPARE(box->GetDisplayOption().value("zoom").toDouble(), 100.0);
    QCOMPARE(window->windowTitle(), QStringLiteral("RVPDF"));
}

void TestMainView::opensAndRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("result");
    QTest::newRow("upper-case suffix") << "Report.PDF" << "" << 0;
    QTest::newRow("other suffix") << "report.pdf.txt" << "Unsupported file format." << -1;
    QTest::newRow("missing") << "missing.pdf" << "The file might have been moved, damaged, or deleted." << -1;
    QTest::newRow("damaged") << "broken.pdf" << "The file might have been moved, damaged, or deleted." << 3;
}

void TestMainView::opensAndRefuses()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(int, result);
    const QString folder = TestEnv::MakeDir("refuse");
    TestPdf::Write(folder + "/Report.PDF", 1);
    TestPdf::Write(folder + "/report.pdf.txt", 1);
    TestPdf::WriteBytes(folder + "/broken.pdf", TestPdf::Garbage(3000, 9));
    MainView* window = NewWindow();
    ModalAnswerer answerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); });
    QCOMPARE(Open(window, folder + "/" + name), result);
    if (message.isEmpty()) {
        QCOMPARE(answerer.AnsweredCount(), 0);
        QCOMPARE(window->TabBar()->GetItemCount(), 1);
        QCOMPARE(window->TabBar()->GetItem(0).text, QStringLiteral("Report"));
    } else {
        QCOMPARE(answerer.AnsweredCount(), 1);
        QVERIFY(answerer.SeenTexts().first().contains("Failed to Open"));
        QVERIFY(answerer.SeenTexts().first().contains(message));
        QCOMPARE(window->TabBar()->GetItemCount(), 0);
    }
}

void TestMainView::duplicateInAnotherWindowIsSelected()
{
    MainView* first = NewWindow();
    MainView* second = NewWindow();
    Open(first, docs[0]);
    Open(first, docs[1]);
    QTRY_COMPARE(first->TabBar()->CurrentIndex(), 1);
    QCOMPARE(Open(second, dir + "//./a.pdf"), 0);
    QCOMPARE(second->TabBar()->GetItemCount(), 0);
    QCOMPARE(first->TabBar()->GetItemCount(), 2);
    QCOMPARE(first->TabBar()->CurrentIndex(), 0);
    QTRY_COMPARE(first->CurrentPage(), first->TabBar()->GetItem(0).widget);
}

void TestMainView::toolIndexReachesOpenDocument()
{
    MainView* window = NewWindow();
    Open(window, docs[0]);
    MainBox* box = Box(window, 0);
    QTRY_VERIFY(box->isVisible());
    // The organize tool of the home page opens the page organizer.
    QCOMPARE(Open(window, QVariantMap{{"path", docs[0]}, {"toolID", 3}}), 0);
    QTRY_VERIFY(box->IsOrganizing());
    QVERIFY(box->CloseOrganizer());
    // The open button hands -1: nothing to start.
    QCOMPARE(Open(window, QVariantMap{{"path", docs[0]}, {"toolID", -1}}), 0);
    QTest::qWait(50);
    QVERIFY(!box->IsOrganizing());
    QCOMPARE(window->TabBar()->GetItemCount(), 1);
}

void TestMainView::requestKeysAndDefaults()
{
    QVariantMap display = CSettingManager::getInstance()->GetDisplay();
    const QVariantMap saved = display;
    display["Page_View"] = 150.0f;
    CSettingManager::getInstance()->SetDisplay(display);
    MainView* window = NewWindow();
    QCOMPARE(Open(window, QVariantMap{{"path", docs[0]}, {"pageIndex", 5}}), 0);
    MainBox* box = Box(window, 0);
    QTRY_COMPARE(box->CurrentPageIndex(), 5);
    QCOMPARE(box->GetDisplayOption().value("zoom").toDouble(), 150.0);
    CSettingManager::getInstance()->SetDisplay(saved);
    // The request was recorded with its view state.
    const int index = CRecentManager::getInstance()->IndexOf(docs[0]);
    QVERIFY(index >= 0);
}

void TestMainView::privateModeRecordsNothing_data()
{
    QTest::addColumn<bool>("privateMode");
    QTest::addColumn<bool>("locked");
    QTest::newRow("private") << true << false;
    QTest::newRow("ordinary") << false << false;
    QTest::newRow("password protected") << false << true;
}

void TestMainView::privateModeRecordsNothing()
{
    QFETCH(bool, privateMode);
    QFETCH(bool, locked);
    CRecentManager::getInstance()->RemoveAllRecords();
    CSettingManager::getInstance()->SetPrivateEnabled(privateMode);
    const QString path = locked ? dir + "/locked.pdf" : docs[2];
    QVERIFY(!locked || TestPdf::WriteEncrypted(docs[2], path, "secret"));
    MainView* window = NewWindow();
    ModalAnswerer password([](QWidget* box) {
        box->findChild<QLineEdit*>("line_password")->setText("secret");
        ModalAnswerer::ClickButton(box, "button_ok");
    });
    QCOMPARE(Open(window, path), 0);
    QSignalSpy rendered(Box(window, 0), &MainBox::SignalFirstThumbRendered);
    QVERIFY(rendered.wait());
    // No picture of the page: not in private mode, never of a locked file.
    const QString thumb = CRecentManager::ThumbnailDirPath() + CRecentManager::ThumbnailFileName(path);
    QCOMPARE(QFile::exists(thumb), !privateMode && !locked);
    QCOMPARE(CRecentManager::getInstance()->Count(), privateMode ? 0 : 1);
    QTRY_COMPARE(CRecentManager::getInstance()->GetItemInfo(0).value("hasPassword").toBool(), locked);
}

void TestMainView::threeFilesFromTheDialog()
{
    CSettingManager::getInstance()->SetRecord("last_folder", dir);
    MainView* window = NewWindow();
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
    QCOMPARE(window->TabBar()->GetItemCount(), 3);
    QStringList order;
    for (int i = 0; i < 3; ++i)
        order << window->TabBar()->GetItem(i).text;
    QCOMPARE(order, QStringList({"a", "b", "c"}));
    QTRY_COMPARE(window->TabBar()->CurrentIndex(), 2);
    QCOMPARE(CSettingManager::getInstance()->GetRecord("last_folder").toString(), dir);
}

void TestMainView::failedDropKeepsRecordManagerRemovesIt()
{
    const QString gone = TestEnv::MakeDir("gone") + "/gone.pdf";
    TestPdf::Write(gone, 1);
    CRecentManager::getInstance()->AddRecord(gone, {});
    QFile::remove(gone);
    MainView* window = NewWindow();
    window->Home()->Recent();
    // Rows must be loaded for removal by path: the home page shows them.
    QStringList shown;
    window->Home()->GetRecentFileList(shown);
    ModalAnswerer answerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); }, 2);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(gone)});
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    QTRY_COMPARE(answerer.AnsweredCount(), 1);
    QVERIFY(CRecentManager::getInstance()->IndexOf(gone) >= 0);
    Manager()->SetCurrentView(window);
    Manager()->SlotOpenFileEvent(gone);
    QTRY_COMPARE(answerer.AnsweredCount(), 2);
    QTRY_COMPARE(CRecentManager::getInstance()->IndexOf(gone), -1);
}

void TestMainView::nonPdfAttachmentGoesToTheDesktop()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "Handle");
    MainView* window = NewWindow();
    const QString text = TestEnv::MakeDir("attach") + "/notes.txt";
    TestPdf::WriteBytes(text, "hello");
    window->SlotDocumentOpenAttachment(text);
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(text)});
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
    MainView* window = NewWindow();
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
    QVERIFY(Box(window, 0)->isTempDoc());
    QCOMPARE(Box(window, 0)->PageCount(), 1);
    QTRY_VERIFY(window->isWindowModified());
}

void TestMainView::droppedFilesOpenAfter100ms()
{
    MainView* window = NewWindow();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(docs[0]), QUrl::fromLocalFile(docs[1])});
    QElapsedTimer timer;
    timer.start();
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    QCOMPARE(window->TabBar()->GetItemCount(), 0);
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 2);
    QVERIFY(timer.elapsed() >= 95);
}

void TestMainView::onlyTabMovesAndWindowCloses()
{
    QPointer<MainView> source = NewWindow();
    MainView* target = NewWindow();
    Open(target, docs[1]);
    Open(source, docs[0]);
    MainBox* box = Box(source, 0);
    // What a real drag does: the source takes the tab off its bar, our other
    // bar accepts the payload and the drag ends with a move.
    const TabItem item = source->TabBar()->GetItem(0);
    source->TabBar()->RemoveItem(0);
    QScopedPointer<QMimeData> data(CTabBar::EncodeDragData(item.text, item.dirty, item.widget));
    CTabBar::BeginTabDrag(item.widget);
    QDragEnterEvent enter(QPoint(50, 20), Qt::MoveAction, data.data(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->TabBar(), &enter);
    QDropEvent drop(QPointF(50, 20), Qt::MoveAction, data.data(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->TabBar(), &drop);
    source->FinishTabDrag(item.text, item.dirty, item.widget, Qt::MoveAction, QPoint(10, 10));
    QTRY_COMPARE(target->TabBar()->GetItemCount(), 2);
    QCOMPARE(target->TabBar()->GetItem(1).widget, box);
    QTRY_VERIFY(source.isNull());
    QCOMPARE(Manager()->WindowsCount(), 1);
    QVERIFY(MainBox::IsLiveBox(box));
}

void TestMainView::tornOffTabGetsNewWindow()
{
    MainView* source = NewWindow();
    Open(source, docs[0]);
    source->SlotCreateBlankPDF();
    const TabItem item = source->TabBar()->GetItem(1);
    QVERIFY(item.dirty);
    source->TabBar()->RemoveItem(1);
    source->FinishTabDrag(item.text, item.dirty, item.widget, Qt::IgnoreAction, QPoint(20, 10));
    QCOMPARE(Manager()->WindowsCount(), 2);
    auto* created = qobject_cast<MainView*>(Manager()->Views().last());
    QCOMPARE(created->TabBar()->GetItemCount(), 1);
    QCOMPARE(created->TabBar()->GetItem(0).widget, item.widget);
    QVERIFY(created->TabBar()->IsItemDirty(0));
    QCOMPARE(item.widget->window(), created);
    QTest::qWait(150);
    QCOMPARE(source->TabBar()->GetItemCount(), 1);
    QVERIFY(Manager()->Views().contains(source));
}

void TestMainView::dropBackOnOwnBarReturnsLast()
{
    MainView* window = NewWindow();
    for (int i = 0; i < 3; ++i)
        Open(window, docs[i]);
    window->TabBar()->SetCurrentIndex(0);
    const TabItem item = window->TabBar()->GetItem(0);
    window->TabBar()->RemoveItem(0);
    QScopedPointer<QMimeData> data(CTabBar::EncodeDragData(item.text, item.dirty, item.widget));
    CTabBar::BeginTabDrag(item.widget);
    QDragEnterEvent enter(QPoint(50, 20), Qt::MoveAction, data.data(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->TabBar(), &enter);
    QDropEvent drop(QPointF(50, 20), Qt::MoveAction, data.data(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->TabBar(), &drop);
    window->FinishTabDrag(item.text, item.dirty, item.widget, Qt::MoveAction, QPoint());
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 3);
    QCOMPARE(window->TabBar()->GetItem(2).widget, item.widget);
    QCOMPARE(Manager()->WindowsCount(), 1);
}

void TestMainView::otherProgramTakingTheDropKeepsDocument()
{
    MainView* window = NewWindow();
    Open(window, docs[0]);
    Open(window, docs[1]);
    const TabItem item = window->TabBar()->GetItem(1);
    window->TabBar()->RemoveItem(1);
    CTabBar::BeginTabDrag(item.widget);
    // Another program accepted the move; no bar of ours saw the payload.
    window->FinishTabDrag(item.text, item.dirty, item.widget, Qt::MoveAction, QPoint());
    QCOMPARE(Manager()->WindowsCount(), 2);
    auto* created = qobject_cast<MainView*>(Manager()->Views().last());
    QCOMPARE(created->TabBar()->GetItem(0).widget, item.widget);
}

void TestMainView::openInNewWindow()
{
    MainView* window = NewWindow();
    Open(window, docs[0]);
    window->SlotMenuTriggered(QStringLiteral("open_in_new_window"));
    QCOMPARE(Manager()->WindowsCount(), 1);
    Open(window, docs[1]);
    Open(window, docs[2]);
    window->TabBar()->SetCurrentIndex(1);
    QWidget* moving = window->TabBar()->GetItem(1).widget;
    window->SlotMenuTriggered(QStringLiteral("open_in_new_window"));
    QCOMPARE(Manager()->WindowsCount(), 2);
    QCOMPARE(window->TabBar()->GetItemCount(), 2);
    QCOMPARE(window->TabBar()->IndexOfWidget(moving), -1);
    QCOMPARE(window->TabBar()->CurrentIndex(), 0);
    auto* created = qobject_cast<MainView*>(Manager()->Views().last());
    QCOMPARE(created->TabBar()->GetItem(0).widget, moving);
    QCOMPARE(created->pos(), QCursor::pos());
}

void TestMainView::fullScreenAndReadModeAreInherited()
{
    MainView* window = NewWindow();
    Open(window, docs[0]);
    Open(window, docs[1]);
    Open(window, docs[2]);
    window->showFullScreen();
    window->TabBar()->SetCurrentIndex(1);
    window->SlotMenuTriggered(QStringLiteral("open_in_new_window"));
    auto* created = qobject_cast<MainView*>(Manager()->Views().last());
    QVERIFY(created->isFullScreen());
    // A document in read mode arrives without a title bar.
    window->TabBar()->SetCurrentIndex(0);
    MainBox* reading = Box(window, 0);
    reading->EnterReadMode();
    window->SlotMenuTriggered(QStringLiteral("open_in_new_window"));
    auto* reader = qobject_cast<MainView*>(Manager()->Views().last());
    QVERIFY(reader != created);
    QVERIFY(!reader->titleBar()->isVisible());
}

void TestMainView::engineRefusalKeepsWindow_data()
{
    QTest::addColumn<int>("documents");
    QTest::addColumn<QStringList>("answers");
    QTest::newRow("only tab, cancelled") << 1 << QStringList{"button_1"};
    QTest::newRow("second of three cancelled") << 3 << QStringList{"button_2", "button_1"};
}

void TestMainView::engineRefusalKeepsWindow()
{
    QFETCH(int, documents);
    QFETCH(QStringList, answers);
    MKCheckBox::SetMarked("close_all", true);
    MainView* window = NewWindow();
    for (int i = 0; i < documents; ++i)
        window->SlotCreateBlankPDF();
    QSignalSpy closed(window, &MainView::SignalMainViewClosed);
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
    QTest::qWait(250);
    QCOMPARE(window->TabBar()->GetItemCount(), left);
    QCOMPARE(closed.count(), 1);
    QVERIFY(window->isVisible());
    QVERIFY(!window->IsClosingWindow());
}

void TestMainView::closeQuestionAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tabsLeft");
    QTest::addColumn<bool>("windowGone");
    QTest::newRow("close current tab") << "button_1" << 2 << false;
    QTest::newRow("close all tabs") << "button_2" << 0 << true;
    QTest::newRow("closed without an answer") << "button_close" << 3 << false;
}

void TestMainView::closeQuestionAnswers()
{
    QFETCH(QString, button);
    QFETCH(int, tabsLeft);
    QFETCH(bool, windowGone);
    QPointer<MainView> window = NewWindow();
    QPointer<MainView> other = NewWindow();
    for (int i = 0; i < 3; ++i)
        Open(window, docs[i]);
    ModalAnswerer answerer([button](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, button); }, 2);
    // Asked while quitting: only "Close All Tabs" lets the quit go on.
    Manager()->CloseAllViews();
    QCOMPARE(answerer.AnsweredCount(), 1);
    QVERIFY(answerer.SeenTexts().first().contains("Do you want to close all tabs or the current tab?"));
    if (windowGone) {
        QTRY_VERIFY(window.isNull());
        QTRY_VERIFY(other.isNull());
    } else {
        QTRY_COMPARE(window->TabBar()->GetItemCount(), tabsLeft);
        QVERIFY(!Manager()->IsQuittingAll());
        // The user's next ordinary close closes that window alone.
        other->close();
        QTRY_VERIFY(other.isNull());
        QTest::qWait(250);
        QVERIFY(window);
        QCOMPARE(window->TabBar()->GetItemCount(), tabsLeft);
        QCOMPARE(answerer.AnsweredCount(), 1);
    }
    QVERIFY(!MKCheckBox::IsMarked("close_all"));
}

void TestMainView::alwaysCloseAllIsRemembered()
{
    QPointer<MainView> window = NewWindow();
    Open(window, docs[0]);
    Open(window, docs[1]);
    {
        ModalAnswerer answerer([](QWidget* dialog) {
            dialog->findChild<QCheckBox*>("check_box")->setChecked(true);
            ModalAnswerer::ClickButton(dialog, "button_1");
        });
        window->close();
        QCOMPARE(answerer.AnsweredCount(), 1);
    }
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 1);
    QVERIFY(MKCheckBox::IsMarked("close_all"));
    Open(window, docs[2]);
    ModalAnswerer never([](QWidget* dialog) { dialog->close(); });
    window->close();
    QTRY_VERIFY(window.isNull());
    QCOMPARE(never.AnsweredCount(), 0);
}

void TestMainView::closeOtherTabsLeavesCurrent_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<int>("left");
    QTest::newRow("alone") << QString() << 1;
    QTest::newRow("close all started meanwhile") << "close_all_tabs" << 0;
}

void TestMainView::closeOtherTabsLeavesCurrent()
{
    QFETCH(QString, meanwhile);
    QFETCH(int, left);
    MainView* window = NewWindow();
    for (const QString& doc : docs)
        Open(window, doc);
    window->TabBar()->SetCurrentIndex(1);
    QWidget* b = window->TabBar()->GetItem(1).widget;
    window->Menu()->BuildTabMenu(window);
    window->Menu()->TabAction("close_other_tabs")->trigger();
    if (!meanwhile.isEmpty())
        window->Menu()->TabAction(meanwhile)->trigger();
    QTRY_COMPARE(window->TabBar()->GetItemCount(), left);
    QVERIFY(left == 0 || window->TabBar()->GetItem(0).widget == b);
    QTest::qWait(250);
    QCOMPARE(window->TabBar()->GetItemCount(), left);
    QVERIFY(Manager()->Views().contains(window));
    // Once the chain is over, closing one tab closes that tab only.
    for (int i : {0, 2, 3})
        Open(window, docs[i]);
    QTRY_COMPARE(window->TabBar()->CurrentIndex(), left + 2);
    window->Menu()->TabAction("close_tab")->trigger();
    QTRY_COMPARE(window->TabBar()->GetItemCount(), left + 2);
    QTest::qWait(250);
    QCOMPARE(window->TabBar()->GetItemCount(), left + 2);
}

void TestMainView::quitCloseClosesEmptyWindow()
{
    QVariantMap general = CSettingManager::getInstance()->GetGeneral();
    const QVariantMap saved = general;
    general["Quit_Close"] = true;
    CSettingManager::getInstance()->SetGeneral(general);
    QPointer<MainView> window = NewWindow();
    Open(window, docs[0]);
    window->SlotMenuTriggered(QStringLiteral("close_tab"));
    QElapsedTimer timer;
    timer.start();
    QTRY_VERIFY(window.isNull());
    QVERIFY(timer.elapsed() >= 190);
    general["Quit_Close"] = false;
    CSettingManager::getInstance()->SetGeneral(general);
    QPointer<MainView> other = NewWindow();
    Open(other, docs[0]);
    other->SlotMenuTriggered(QStringLiteral("close_tab"));
    QTRY_COMPARE(other->TabBar()->GetItemCount(), 0);
    QTest::qWait(300);
    QVERIFY(other);
    QVERIFY(other->HomeButton()->isChecked());
    CSettingManager::getInstance()->SetGeneral(saved);
}

void TestMainView::restoreViewOffStoresStartView()
{
    QVariantMap general = CSettingManager::getInstance()->GetGeneral();
    const QVariantMap saved = general;
    MainView* window = NewWindow();
    for (bool restore : {true, false}) {
        general["Restore_View"] = restore;
        CSettingManager::getInstance()->SetGeneral(general);
        Open(window, QVariantMap{{"path", docs[3]}, {"pageIndex", 6}, {"zoom", 150.0}});
        QTRY_COMPARE(Box(window, 0)->CurrentPageIndex(), 6);
        window->SlotMenuTriggered(QStringLiteral("close_tab"));
        QTRY_COMPARE(window->TabBar()->GetItemCount(), 0);
        const QVariantMap info = CRecentManager::getInstance()->GetItemInfo(CRecentManager::getInstance()->IndexOf(docs[3]));
        QCOMPARE(info.value("pageIndex").toInt(), restore ? 6 : 0);
        QCOMPARE(info.value("zoom").toDouble(), restore ? 150.0 : -2.0);
    }
    CSettingManager::getInstance()->SetGeneral(saved);
}

void TestMainView::geometryRestored()
{
    CSettingManager::getInstance()->SetRecord("Window_Geometry", QByteArray());
    CSettingManager::getInstance()->SetRecord("Window_Maximized", false);
    QPointer<MainView> first = NewWindow();
    QCOMPARE(first->size(), QSize(1280, 800));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(first->frameGeometry().center().x() - screen.center().x()) <= 2);
    first->showMaximized();
    QTRY_VERIFY(first->isMaximized());
    first->close();
    QTRY_VERIFY(first.isNull());
    QVERIFY(CSettingManager::getInstance()->GetRecord("Window_Maximized").toBool());
    MainView* second = NewWindow();
    QTRY_VERIFY(second->isMaximized());
    QVERIFY(second->titleBar()->findChild<QPushButton*>("max_button")->isChecked());
    CSettingManager::getInstance()->SetRecord("Window_Maximized", false);
    CSettingManager::getInstance()->SetRecord("Window_Geometry", QByteArray());
}

void TestMainView::desktopShortcutOnce()
{
    const QString link = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/RVPDF.desktop";
    QFile::remove(link);
    MainView* window = NewWindow();
    ModalAnswerer answerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); }, 2);
    window->SlotClickedCreateLink();
    QCOMPARE(answerer.AnsweredCount(), 1);
    QVERIFY(answerer.SeenTexts().at(0).contains("Shortcut successfully created!"));
    QVERIFY(link.startsWith(TestEnv::Root()));
    QFile file(link);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray entry = file.readAll();
    QVERIFY(entry.startsWith("[Desktop Entry]"));
    QVERIFY(entry.contains("Name=RVPDF"));
    QVERIFY(entry.contains("\nExec=" + MKBase::CAssocUtils::ExecValue(QCoreApplication::applicationFilePath()).toUtf8() + "\n"));
    QVERIFY(QFileInfo(link).isExecutable());
    window->SlotClickedCreateLink();
    QCOMPARE(answerer.AnsweredCount(), 2);
    QVERIFY(answerer.SeenTexts().at(1).contains("Shortcut already exists."));
}

void TestMainView::refusesForgedTabs()
{
    MainView* window = NewWindow();
    QWidget stranger;
    window->SlotTabItemDragIn("x", false, &stranger);
    window->SlotTabItemDragIn("x", false, reinterpret_cast<QWidget*>(quintptr(0x1234567890)));
    window->SlotTabItemDragIn("x", false, nullptr);
    QCOMPARE(window->TabBar()->GetItemCount(), 0);
}

void TestMainView::renamingFromRecentListMovesOpenDocument()
{
    const QString folder = TestEnv::MakeDir("rename-open");
    QVERIFY(TestPdf::Write(folder + "/report.pdf", 2));
    MainView* window = NewWindow();
    QCOMPARE(Open(window, folder + "/report.pdf"), 0);
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
    QCOMPARE(Box(window, 0)->GetDocumentFilePath(), renamed);
    QCOMPARE(window->TabBar()->GetItem(0).text, QStringLiteral("minutes"));
    QVERIFY(CRecentManager::getInstance()->IndexOf(renamed) >= 0);
    QCOMPARE(Open(window, renamed), 0);
    QCOMPARE(window->TabBar()->GetItemCount(), 1);
}

void TestMainView::reviewAskedOnlyWhenLastWindowCloses()
{
    // Past the first runs, so the rating question is due.
    while (CReviewDialog::LaunchCount() < CReviewDialog::kMinLaunches)
        CReviewDialog::AddLaunch();
    QVERIFY(!CReviewDialog::WasShown());
    QPointer<MainView> first = NewWindow();
    QPointer<MainView> last = NewWindow();
    QCOMPARE(Manager()->WindowsCount(), 2);

    {
        ModalAnswerer early([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_2"); });
        first->close();
        QTRY_VERIFY(first.isNull());
        QTest::qWait(100);
        QCOMPARE(early.AnsweredCount(), 0);
        QVERIFY(!CReviewDialog::WasShown());
    }

    ModalAnswerer review([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_2"); });
    last->close();
    QTRY_COMPARE(review.AnsweredCount(), 1);
    QVERIFY(review.SeenTexts().first().contains("RVPDF"));
    QVERIFY(CReviewDialog::WasShown());
}

RV_TEST_MAIN(TestMainView)
#include "tst_mainview.moc"
