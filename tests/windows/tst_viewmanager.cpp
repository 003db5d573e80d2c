#include "CDocumentSearch.h"
#include "CFindBar.h"
#include "CPageView.h"
#include "CTabBar.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"
#include "app/AppStartup.h"
#include "mainview/MainView.h"
#include "setting/CSettingManager.h"
#include "windows/CMainViewManager.h"
#include "windows/CSingleInstance.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>

namespace {

// Stands in for a window whose user cancels the close.
class RefuseClose : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        emit static_cast<MainView*>(watched)->SignalMainViewClosed(false);
        return true;
    }
};

QString PathOf(QWidget* document)
{
    auto* box = qobject_cast<MainBox*>(document);
    return box ? box->GetDocumentFilePath() : QString();
}

} // namespace

class TestViewManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void fileGoesToWindowActivatedLast();
    void quitStopsAtRefusingWindow();
    void handOverAvoidsClosingWindow();
    void launchAsksForPageAndText_data();
    void launchAsksForPageAndText();
    void lastWindowEndsEventLoop_data();
    void lastWindowEndsEventLoop();

private:
    CMainViewManager* manager = nullptr;
    QString a;
    QString b;
};

void TestViewManager::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    manager = CMainViewManager::getInstance();
    const QString dir = TestEnv::MakeDir("docs");
    a = dir + "/a.pdf";
    b = dir + "/b.pdf";
    QVERIFY(TestPdf::Write(a, 4));
    QVERIFY(TestPdf::Write(b, 1));
}

void TestViewManager::cleanup()
{
    TestWindows::DeleteAll();
    QCOMPARE(manager->WindowsCount(), 0);
}

void TestViewManager::fileGoesToWindowActivatedLast()
{
    MainView* first = TestWindows::New();
    MainView* second = TestWindows::New();
    manager->SetCurrentView(second);
    emit first->SignalWindowActivate();
    QCOMPARE(manager->CurrentView(), first);

    // Asked a moment later, not while the launch is handled.
    manager->SlotOpenFileEvent(a);
    QVERIFY(first->Documents().isEmpty());
    QTRY_COMPARE(first->Documents().size(), 1);
    QVERIFY(second->Documents().isEmpty());

    // A target gone before its turn comes: the file is not lost but opens
    // in the window left.
    manager->SlotOpenFileEvent(b);
    delete first;
    QTRY_COMPARE(second->Documents().size(), 1);
}

void TestViewManager::launchAsksForPageAndText_data()
{
    QTest::addColumn<bool>("openAlready");
    QTest::newRow("a file not open yet") << false;
    QTest::newRow("a file open already") << true;
}

void TestViewManager::launchAsksForPageAndText()
{
    QFETCH(bool, openAlready);
    MainView* window = TestWindows::New();
    manager->SetCurrentView(window);
    if (openAlready)
        QCOMPARE(TestWindows::Open(window, a), 0);
    // As a later launch of "rvpdf --page 3 --find Page a.pdf" hands it over.
    manager->OpenArguments({"rvpdf", "--page=3", "--find=Page", "--", a});
    QTRY_COMPARE(window->Documents().size(), 1);
    auto* box = qobject_cast<MainBox*>(window->Documents().first());
    QTRY_COMPARE(box->PageView()->CurrentPage(), 2);
    QTRY_VERIFY(box->FindBar()->isVisible());
    QCOMPARE(box->FindBar()->Field()->text(), QStringLiteral("Page"));
    QTRY_VERIFY(box->Search()->Count() > 0);
}

void TestViewManager::quitStopsAtRefusingWindow()
{
    QPointer<MainView> first = TestWindows::New();
    QPointer<MainView> second = TestWindows::New();
    QPointer<MainView> third = TestWindows::New();
    RefuseClose refuse;
    second->installEventFilter(&refuse);

    QSignalSpy closed(second.data(), &MainView::SignalMainViewClosed);
    manager->CloseAllViews();
    QTRY_VERIFY(first.isNull());
    QTRY_COMPARE(closed.count(), 1);
    QVERIFY(second);
    QVERIFY(third);
    QVERIFY(!manager->IsQuittingAll());
    QCOMPARE(manager->Views(), QList<QWidget*>({second.data(), third.data()}));

    // A later quit starts again from the first remaining window.
    second->removeEventFilter(&refuse);
    manager->CloseAllViews();
    QTRY_VERIFY(second.isNull() && third.isNull());
    QCOMPARE(manager->WindowsCount(), 0);
}

void TestViewManager::handOverAvoidsClosingWindow()
{
    QPointer<MainView> closing = TestWindows::New();
    manager->SetCurrentView(closing);
    closing->SlotCreateBlankPDF();
    // The file arrives while the window asks about its unsaved document on
    // the way out; it must not go down with that window.
    ModalAnswerer answer([this](QWidget* dialog) {
        manager->SlotOpenFileEvent(a);
        ModalAnswerer::ClickButton(dialog, "button_2");
    });
    closing->SlotMenuTriggered(QStringLiteral("close_window"));
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(manager->WindowsCount(), 1);
    auto* window = qobject_cast<MainView*>(manager->Views().first());
    QTRY_COMPARE(window->Documents().size(), 1);
    QCOMPARE(PathOf(window->Documents().first()), a);
    QVERIFY(window->isVisible());

    // A file open already is selected, not read a second time.
    QVERIFY(MainBox::PrefetchedPath().isEmpty());
    window->HomeButton()->setChecked(true);
    manager->SlotOpenFileEvent(a);
    QVERIFY(MainBox::PrefetchedPath().isEmpty());
    QTRY_COMPARE(window->CurrentPage(), window->Documents().first());
}

void TestViewManager::lastWindowEndsEventLoop_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("handOver");
    QTest::newRow("close all windows") << "close_all_windows" << false << false;
    QTest::newRow("last tab with Quit_Close") << "close_tab" << false << false;
    QTest::newRow("document refuses") << "close_all_windows" << true << false;
    // A launch handed over earlier in the session, and a window the manager
    // still counts that nobody sees (closed, not yet gone): the loop must
    // end all the same, not start again with nothing left to end it.
    QTest::newRow("after a hand-over, a window not gone yet") << "close_window" << false << true;
    // Asked to end with a window open, the loop ends, a hand-over earlier
    // in the session or not.
    QTest::newRow("document refuses, after a hand-over") << "close_all_windows" << true << true;
}

void TestViewManager::lastWindowEndsEventLoop()
{
    QFETCH(QString, how);
    QFETCH(bool, refused);
    QFETCH(bool, handOver);
    QApplication::setQuitOnLastWindowClosed(true);
    CSettingManager* settings = CSettingManager::getInstance();
    QVariantMap general = settings->GetGeneral();
    general["Quit_Close"] = how == "close_tab";
    settings->SetGeneral(general);
    auto restore = qScopeGuard([settings]() {
        QApplication::setQuitOnLastWindowClosed(false);
        QVariantMap original = settings->GetGeneral();
        original["Quit_Close"] = false;
        settings->SetGeneral(original);
    });

    QPointer<MainView> window = TestWindows::New();
    if (refused) {
        window->SlotCreateBlankPDF();
        QCOMPARE(window->Documents().size(), 1);
    } else {
        QCOMPARE(TestWindows::Open(window, a), 0);
    }
    // The dirty document answers "Cancel"; the event loop must go on.
    ModalAnswerer cancel([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_1"); });
    connect(window, &MainView::SignalMainViewClosed, window, [](bool bClosed) {
        if (!bClosed)
            QTimer::singleShot(300, []() { QCoreApplication::exit(99); });
    });
    QPointer<MainView> unseen;
    if (handOver) {
        QTimer::singleShot(0, manager, [this]() {
            manager->SlotSemaphoreWrite({QCoreApplication::applicationFilePath()});
        });
    }
    // After the hand-over has raised the window, 200 ms on.
    QTimer::singleShot(handOver ? 400 : 0, window, [this, window, how, handOver, &unseen]() {
        if (handOver)
            unseen = qobject_cast<MainView*>(manager->CreateMainView(nullptr));
        window->SlotMenuTriggered(how);
    });
    // A loop that would never end is ended: without the unseen window, and
    // with no window on screen, it returns the watchdog's code.
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, [&unseen, window]() {
        delete unseen;
        if (window)
            window->hide();
        QCoreApplication::exit(98);
    });
    watchdog.start(10000);
    CSingleInstance instance(QStringLiteral("RVPDF-loop"));
    const int rc = RunUntilLastWindowCloses(instance, manager);
    QCOMPARE(rc, refused ? 99 : 0);
    QCOMPARE(window.isNull(), !refused);
    QCOMPARE(manager->WindowsCount(), int(refused) + int(handOver));
}

RV_TEST_MAIN(TestViewManager)
#include "tst_viewmanager.moc"
