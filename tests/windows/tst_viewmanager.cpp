#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"
#include "windows/CSingleInstance.h"

#include <QCloseEvent>
#include <QDataStream>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
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
    void firstWindowLooksRight();
    void openArgumentsOpensOnlyTheFirstFile();
    void launchWithoutFileOpensNothing();
    void fileGoesToWindowActivatedLast();
    void openFileAlreadyOpenSelectsIt();
    void badFilesAreReportedNotOpened_data();
    void badFilesAreReportedNotOpened();
    void quitStopsAtRefusingWindow();
    void windowClosedByItselfClosesNoOther();
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

void TestViewManager::argumentPayloadRoundTrips_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("program and file") << QStringList{"/usr/bin/rvpdf", "/home/u/a b.pdf"};
    QTest::newRow("unicode") << QStringList{"rvpdf", QStringLiteral("/tmp/Über 报告.pdf")};
    QTest::newRow("empty list") << QStringList{};
    QTest::newRow("empty strings") << QStringList{"", ""};
}

void TestViewManager::argumentPayloadRoundTrips()
{
    QFETCH(QStringList, args);
    QByteArray bytes = CSingleInstance::SerializeArguments(args);
    // The segment holds more than the payload; trailing bytes must not matter.
    bytes.append(QByteArray(200, 'x'));
    QStringList parsed = CSingleInstance::ParseArguments(bytes);
    for (QString& s : parsed) {
        if (s.isNull())
            s = QString("");
    }
    QCOMPARE(parsed, args);
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
