#include "CWindowTitleBar.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "mainview/MainView.h"
#include "setting/CSettingManager.h"
#include "windows/CMainViewManager.h"
#include "windows/CSingleInstance.h"

#include <QCloseEvent>
#include <QDataStream>
#include <QElapsedTimer>
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
    void firstWindowLooksRight();
    void openArgumentsOpensOnlyTheFirstFile();
    void launchWithoutFileOpensNothing();
    void fileGoesToWindowActivatedLast();
    void openFileAlreadyOpenSelectsIt();
    void badFilesAreReportedNotOpened_data();
    void badFilesAreReportedNotOpened();
    void quitStopsAtRefusingWindow();
    void windowClosedByItselfClosesNoOther();
    void handOverAvoidsClosingWindow();
    void lastWindowEndsEventLoop_data();
    void lastWindowEndsEventLoop();
    void argumentPayloadRoundTrips_data();
    void argumentPayloadRoundTrips();
    void hostilePayloadsGiveEmptyList_data();
    void hostilePayloadsGiveEmptyList();

private:
    MainView* NewWindow();
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
    for (QWidget* view : manager->Views())
        delete view;
    QCOMPARE(manager->WindowsCount(), 0);
}

MainView* TestViewManager::NewWindow()
{
    auto* window = qobject_cast<MainView*>(manager->CreateMainView(nullptr));
    window->show();
    return window;
}

void TestViewManager::firstWindowLooksRight()
{
    MainView* window = NewWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("RVPDF"));
    QCOMPARE(window->size(), QSize(1280, 800));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(window->HomeButton()->isChecked());
    QVERIFY(!window->HomeButton()->isEnabled());
    QCOMPARE(window->HomeButton()->objectName(), QStringLiteral("button_home"));
    QCOMPARE(window->CurrentPage(), window->PageWidgetOfIndex(0));
    QVERIFY(window->Documents().isEmpty());
}

void TestViewManager::openArgumentsOpensOnlyTheFirstFile()
{
    MainView* window = NewWindow();
    manager->SetCurrentView(window);
    manager->OpenArguments({"/usr/bin/rvpdf", a, b});
    QTRY_COMPARE(window->Documents().size(), 1);
    QTest::qWait(300);
    QCOMPARE(window->Documents().size(), 1);
    QCOMPARE(PathOf(window->Documents().first()), a);
    QTRY_COMPARE(window->CurrentPage(), window->Documents().first());
    QCOMPARE(window->windowTitle(), QStringLiteral("a"));
    QVERIFY(!window->HomeButton()->isChecked());
}

void TestViewManager::launchWithoutFileOpensNothing()
{
    MainView* window = NewWindow();
    manager->SetCurrentView(window);
    manager->OpenArguments({"/usr/bin/rvpdf"});
    manager->OpenArguments({});
    QTest::qWait(400);
    QVERIFY(window->Documents().isEmpty());
}

void TestViewManager::fileGoesToWindowActivatedLast()
{
    MainView* first = NewWindow();
    MainView* second = NewWindow();
    manager->SetCurrentView(second);
    emit first->SignalWindowActivate();
    QCOMPARE(manager->CurrentView(), first);

    QElapsedTimer timer;
    timer.start();
    manager->SlotOpenFileEvent(a);
    QVERIFY(first->Documents().isEmpty());
    QTRY_COMPARE(first->Documents().size(), 1);
    QVERIFY2(timer.elapsed() >= 190, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(second->Documents().isEmpty());

    // A target destroyed before its turn comes opens nothing and crashes nothing.
    manager->SlotOpenFileEvent(b);
    delete first;
    QTest::qWait(300);
    QVERIFY(second->Documents().isEmpty());
}

void TestViewManager::openFileAlreadyOpenSelectsIt()
{
    MainView* first = NewWindow();
    MainView* second = NewWindow();
    manager->SetCurrentView(first);
    manager->SlotOpenFileEvent(a);
    QTRY_COMPARE(first->Documents().size(), 1);
    QTRY_VERIFY(!first->HomeButton()->isChecked());
    first->HomeButton()->setChecked(true);
    QCOMPARE(first->CurrentPage(), first->PageWidgetOfIndex(0));

    manager->SetCurrentView(second);
    int nRet = -1;
    second->SlotOpenFile(nRet, {{"path", TestEnv::Root() + "/files/docs/../docs/a.pdf"}}, true);
    QCOMPARE(nRet, 0);
    QVERIFY(second->Documents().isEmpty());
    QCOMPARE(first->Documents().size(), 1);
    QTRY_COMPARE(first->CurrentPage(), first->Documents().first());
    QVERIFY(!first->HomeButton()->isChecked());
}

void TestViewManager::badFilesAreReportedNotOpened_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    const QString dir = TestEnv::MakeDir("bad-open");
    TestPdf::WriteBytes(dir + "/notes.pdf.txt", "text");
    TestPdf::WriteBytes(dir + "/broken.pdf", TestPdf::Garbage(5000, 5));
    QTest::newRow("missing") << dir + "/gone.pdf" << "The file might have been moved, damaged, or deleted.";
    QTest::newRow("wrong suffix") << dir + "/notes.pdf.txt" << "Unsupported file format.";
    QTest::newRow("damaged") << dir + "/broken.pdf" << "The file might have been moved, damaged, or deleted.";
}

void TestViewManager::badFilesAreReportedNotOpened()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    MainView* window = NewWindow();
    ModalAnswerer answerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); });
    int nRet = -1;
    window->SlotOpenFile(nRet, {{"path", file}}, true);
    QVERIFY(nRet != 0 && nRet != 100);
    QCOMPARE(answerer.AnsweredCount(), 1);
    QVERIFY(answerer.SeenTexts().first().contains("Failed to Open"));
    QVERIFY2(answerer.SeenTexts().first().contains(reason), qPrintable(answerer.SeenTexts().first()));
    QVERIFY(window->Documents().isEmpty());
}

void TestViewManager::quitStopsAtRefusingWindow()
{
    QPointer<MainView> first = NewWindow();
    QPointer<MainView> second = NewWindow();
    QPointer<MainView> third = NewWindow();
    RefuseClose refuse;
    second->installEventFilter(&refuse);

    manager->CloseAllViews();
    QTRY_VERIFY(first.isNull());
    QTest::qWait(100);
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

void TestViewManager::windowClosedByItselfClosesNoOther()
{
    QPointer<MainView> first = NewWindow();
    QPointer<MainView> second = NewWindow();
    first->close();
    QTRY_VERIFY(first.isNull());
    QTest::qWait(100);
    QVERIFY(second);
    QVERIFY(!manager->IsQuittingAll());
    QCOMPARE(manager->WindowsCount(), 1);
}

void TestViewManager::handOverAvoidsClosingWindow()
{
    QPointer<MainView> closing = NewWindow();
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

    QPointer<MainView> window = NewWindow();
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
    QElapsedTimer timer;
    timer.start();
    const QStringList parsed = CSingleInstance::ParseArguments(payload);
    QVERIFY(timer.elapsed() < 100);
    // Random bytes may by chance form a tiny valid list; never a huge one.
    if (QTest::currentDataTag() == QByteArray("random bytes"))
        QVERIFY(parsed.size() < 256);
    else
        QVERIFY(parsed.isEmpty());
}

RV_TEST_MAIN(TestViewManager)
#include "tst_viewmanager.moc"
