#include "CTabBar.h"
#include "CWindowTitleBar.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"
#include "mainview/MainView.h"
#include "setting/CSettingManager.h"
#include "windows/CMainViewManager.h"
#include "windows/CSingleInstance.h"

#include <QCloseEvent>
#include <QDataStream>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

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
    void openArgumentsOpensOnlyTheFirstFile_data();
    void openArgumentsOpensOnlyTheFirstFile();
    void fileGoesToWindowActivatedLast();
    void quitStopsAtRefusingWindow();
    void handOverAvoidsClosingWindow();
    void lastWindowEndsEventLoop_data();
    void lastWindowEndsEventLoop();
    void argumentPayloadRoundTrips_data();
    void argumentPayloadRoundTrips();
    void hostilePayloadsGiveEmptyList_data();
    void hostilePayloadsGiveEmptyList();

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
    QVERIFY(TestPdf::Write(a, 2));
    QVERIFY(TestPdf::Write(b, 1));
}

void TestViewManager::cleanup()
{
    TestWindows::DeleteAll();
    QCOMPARE(manager->WindowsCount(), 0);
}

void TestViewManager::openArgumentsOpensOnlyTheFirstFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("opened");
    QTest::newRow("two files") << QStringList {"/usr/bin/rvpdf", a, b} << a;
    QTest::newRow("program alone") << QStringList {"/usr/bin/rvpdf"} << QString();
    QTest::newRow("nothing") << QStringList() << QString();
}

void TestViewManager::openArgumentsOpensOnlyTheFirstFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, opened);
    MainView* window = TestWindows::New();
    manager->SetCurrentView(window);
    QSignalSpy tabs(window->TabBar(), &CTabBar::SignalItemCountChanged);
    manager->OpenArguments(arguments);
    if (!opened.isEmpty()) {
        QTRY_COMPARE(window->Documents().size(), 1);
        QCOMPARE(PathOf(window->Documents().first()), opened);
        QTRY_COMPARE(window->CurrentPage(), window->Documents().first());
        QCOMPARE(window->windowTitle(), QFileInfo(opened).baseName());
        QVERIFY(!window->HomeButton()->isChecked());
        tabs.clear();
    }
    // Nothing more arrives after the delay the manager gives the window.
    QVERIFY(!tabs.wait(400));
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

    // A target destroyed before its turn comes opens nothing and crashes nothing.
    QSignalSpy tabs(second->TabBar(), &CTabBar::SignalItemCountChanged);
    manager->SlotOpenFileEvent(b);
    delete first;
    QVERIFY(!tabs.wait(400));
    QVERIFY(second->Documents().isEmpty());
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
    QTest::newRow("window manager close") << "wm" << false;
    QTest::newRow("title bar close") << "title" << false;
    QTest::newRow("close all windows") << "close_all_windows" << false;
    QTest::newRow("last tab with Quit_Close") << "close_tab" << false;
    QTest::newRow("document refuses") << "close_all_windows" << true;
}

void TestViewManager::lastWindowEndsEventLoop()
{
    QFETCH(QString, how);
    QFETCH(bool, refused);
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
        int nRet = -1;
        window->SlotOpenFile(nRet, {{"path", a}}, true);
        QCOMPARE(nRet, 0);
    }
    // The dirty document answers "Cancel"; the event loop must go on.
    ModalAnswerer cancel([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_1"); });
    connect(window, &MainView::SignalMainViewClosed, window, [](bool bClosed) {
        if (!bClosed)
            QTimer::singleShot(300, []() { QCoreApplication::exit(99); });
    });
    QTimer::singleShot(0, window, [window, how]() {
        if (how == "wm")
            QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(window->windowHandle());
        else if (how == "title")
            QTest::mouseClick(window->titleBar()->findChild<QPushButton*>("close_button"), Qt::LeftButton);
        else
            window->SlotMenuTriggered(how);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, []() { QCoreApplication::exit(98); });
    watchdog.start(10000);
    const int rc = QApplication::exec();
    QCOMPARE(rc, refused ? 99 : 0);
    QCOMPARE(window.isNull(), !refused);
    QCOMPARE(manager->WindowsCount(), refused ? 1 : 0);
}

void TestViewManager::argumentPayloadRoundTrips_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("startupId");
    QTest::addColumn<QByteArray>("expectedId");
    QTest::newRow("program and file") << QStringList{"/usr/bin/rvpdf", "/home/u/a b.pdf"} << QByteArray("x_TIME9")
                                      << QByteArray("x_TIME9");
    QTest::newRow("unicode") << QStringList{"rvpdf", QStringLiteral("/tmp/Über 报告.pdf")} << QByteArray()
                             << QByteArray();
    QTest::newRow("empty list") << QStringList{} << QByteArray("id") << QByteArray("id");
    QTest::newRow("empty strings") << QStringList{"", ""} << QByteArray() << QByteArray();
    QTest::newRow("control characters in the id") << QStringList{"rvpdf"} << QByteArray("a\nb") << QByteArray();
}

void TestViewManager::argumentPayloadRoundTrips()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, startupId);
    QFETCH(QByteArray, expectedId);
    QByteArray bytes = CSingleInstance::SerializeHandOver({args, startupId, "token-1"});
    // The segment holds more than the payload; trailing bytes must not matter.
    bytes.append(QByteArray(200, 'x'));
    const CSingleInstance::HandOver parsed = CSingleInstance::ParseHandOver(bytes);
    QStringList list = parsed.arguments;
    for (QString& s : list) {
        if (s.isNull())
            s = QString("");
    }
    QCOMPARE(list, args);
    QCOMPARE(parsed.startupId, expectedId);
    QCOMPARE(parsed.activationToken, QByteArray("token-1"));
    // A list alone, as the spare format, reads the same.
    QCOMPARE(CSingleInstance::ParseArguments(CSingleInstance::SerializeArguments(args)).size(), args.size());
}

void TestViewManager::hostilePayloadsGiveEmptyList_data()
{
    QTest::addColumn<QByteArray>("payload");
    QByteArray huge;
    QDataStream(&huge, QIODevice::WriteOnly) << quint32(50000000);
    QByteArray cut = CSingleInstance::SerializeArguments({"rvpdf", QString(600, 'a')});
    cut.truncate(1024);
    QByteArray oddLength;
    {
        QDataStream stream(&oddLength, QIODevice::WriteOnly);
        stream << quint32(1) << quint32(3);
        stream.writeRawData("abc", 3);
    }
    QByteArray longString;
    QDataStream(&longString, QIODevice::WriteOnly) << quint32(1) << quint32(0x7ffffffe);
    QTest::newRow("count claims millions") << huge + QByteArray(1020, '\0');
    QTest::newRow("string cut at segment size") << cut;
    QTest::newRow("odd byte length") << oddLength;
    QTest::newRow("length beyond the data") << longString;
    QTest::newRow("random bytes") << TestPdf::Garbage(1024, 99);
    QTest::newRow("too short for a count") << QByteArray("ab");
    QTest::newRow("nothing") << QByteArray();
}

void TestViewManager::hostilePayloadsGiveEmptyList()
{
    QFETCH(QByteArray, payload);
    const QStringList parsed = CSingleInstance::ParseArguments(payload);
    // Random bytes may by chance form a tiny valid list; never a huge one.
    if (QTest::currentDataTag() == QByteArray("random bytes"))
        QVERIFY(parsed.size() < 256);
    else
        QVERIFY(parsed.isEmpty());
}

RV_TEST_MAIN(TestViewManager)
#include "tst_viewmanager.moc"
