#include "JourneyUser.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestX11.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QUrl>

namespace {

using User = JourneyUser;

bool Xdo(const QStringList& args)
{
    return QProcess::execute("xdotool", args) == 0;
}

QString Num(int value)
{
    return QString::number(value);
}

// Return in a question, which on a busy machine may not have the focus yet
// when it shows.
bool Confirm(quint32 question)
{
    return question && Xdo({"windowfocus", "--sync", QString::number(question), "key", "Return"});
}

} // namespace

// What a user does with the program, run end to end: the real executable
// on a real display, seen from outside through the window system and the
// files it leaves.
class TestJourney : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstStartOpensTheFile_data();
    void firstStartOpensTheFile();
    void secondLaunchHandsOver_data();
    void secondLaunchHandsOver();
    void tearTabIntoNewWindow_data();
    void tearTabIntoNewWindow();
    void relaunchFindsWhatWasLeft();
    void killedAfterACommentComesBackAfterAChoice();

private:
    // Document windows of a process, and its smaller ones (questions, the
    // picture that follows a dragged tab).
    QList<quint32> MainWindows(QProcess* process);
    QList<quint32> SmallWindows(QProcess* process);
    QStringList Titles(QProcess* process);
    // Waits for the default-viewer question a first open asks and returns it.
    quint32 WaitForQuestion(QProcess* process);
    // Closes every document window as a window manager would; the process
    // must end by itself, well.
    void CloseEverything(User& user, QProcess* process);

    TestX11 x11;
    QString docs;
    QString elsewhere;
};

void TestJourney::initTestCase()
{
    QVERIFY2(x11.IsConnected(), "needs the test display");
    QVERIFY2(QProcess::execute("xdotool", {"version"}) == 0, "needs xdotool (scripts/install-deps.sh)");
    docs = TestEnv::MakeDir("docs");
    elsewhere = TestEnv::MakeDir("elsewhere");
    for (int i = 0; i < 3; ++i)
        QVERIFY(TestPdf::Write(docs + QStringLiteral("/doc%1.pdf").arg(i), 2));
}

QList<quint32> TestJourney::MainWindows(QProcess* process)
{
    return User::MainWindows(x11, process);
}

QList<quint32> TestJourney::SmallWindows(QProcess* process)
{
    return User::SmallWindows(x11, process);
}

QStringList TestJourney::Titles(QProcess* process)
{
    QStringList titles;
    for (quint32 window : MainWindows(process))
        titles << x11.Title(window);
    titles.sort();
    return titles;
}

quint32 TestJourney::WaitForQuestion(QProcess* process)
{
    return QTest::qWaitFor([&]() { return !SmallWindows(process).isEmpty(); }, 10000) ? SmallWindows(process).value(0)
                                                                                        : 0;
}

void TestJourney::CloseEverything(User& user, QProcess* process)
{
    QVERIFY2(User::CloseAll(x11, process), "the process did not end well after its last window closed");
    QVERIFY(user.Log().contains("\nApp Exit ##RvpdfRunApplication:"));
}

void TestJourney::firstStartOpensTheFile_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("workDir");
    QTest::addColumn<QString>("opened");
    QTest::newRow("no file") << QStringList() << QString() << QString();
    QTest::newRow("absolute path") << QStringList {docs + "/doc0.pdf"} << QString() << "doc0";
    QTest::newRow("name in the working folder") << QStringList {"doc1.pdf"} << docs << "doc1";
    QTest::newRow("path through a parent folder") << QStringList {"../docs/./doc2.pdf"} << elsewhere << "doc2";
    QTest::newRow("file URL") << QStringList {QUrl::fromLocalFile(docs + "/doc0.pdf").toString()} << QString()
                              << "doc0";
}

void TestJourney::firstStartOpensTheFile()
{
    QFETCH(QStringList, args);
    QFETCH(QString, workDir);
    QFETCH(QString, opened);
    User user(QStringLiteral("first-start-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
    QProcess* app = user.Launch(args, workDir);
    const QString title = opened.isEmpty() ? QStringLiteral("RVPDF") : opened + QStringLiteral(" — RVPDF");
    QTRY_COMPARE_WITH_TIMEOUT(Titles(app), QStringList {title}, 15000);
    if (!opened.isEmpty()) {
        // A first open asks once about the default viewer: "not now".
        const quint32 question = WaitForQuestion(app);
        QVERIFY(question);
        QVERIFY(x11.SendDeleteWindow(question));
        QTRY_VERIFY(SmallWindows(app).isEmpty());
        // The recent list holds where the file is, never how it was named.
        const QByteArray recent = user.RecentList();
        QVERIFY2(recent.contains(QString(docs + "/" + opened + ".pdf").toUtf8()), recent.constData());
        QVERIFY(!recent.contains("\"" + args.first().toUtf8() + "\"") || args.first().startsWith('/'));
    }
    CloseEverything(user, app);
}

void TestJourney::secondLaunchHandsOver_data()
{
    QTest::addColumn<QString>("arg");
    QTest::addColumn<QString>("workDir");
    QTest::addColumn<QString>("title");
    // Only launches whose outcome the user can see: a launch that merely
    // raises the window (no file, or the file shown already) has nothing to
    // wait for before the next step (tst_instance covers those).
    QTest::newRow("absolute path") << docs + "/doc1.pdf" << QString() << "doc1 — RVPDF";
    QTest::newRow("relative path from another folder") << "../docs/doc2.pdf" << elsewhere << "doc2 — RVPDF";
}

void TestJourney::secondLaunchHandsOver()
{
    QFETCH(QString, arg);
    QFETCH(QString, workDir);
    QFETCH(QString, title);
    User user(QStringLiteral("hand-over-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
    // The first instance runs in a folder of its own.
    QProcess* first = user.Launch({docs + "/doc0.pdf"}, elsewhere);
    QTRY_COMPARE_WITH_TIMEOUT(Titles(first), QStringList {"doc0 — RVPDF"}, 15000);
    QVERIFY(x11.SendDeleteWindow(WaitForQuestion(first)));
    QTRY_VERIFY(SmallWindows(first).isEmpty());

    // As a launcher starts it: the launch's busy cursor ends when the
    // window the user already has comes forward.
    x11.ClearStartupMessages();
    QProcess* second = user.Launch({arg}, workDir, "journey_TIME42");
    QVERIFY2(second->waitForFinished(5000), "the second launch did not leave");
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(MainWindows(second).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(x11.StartupMessages().contains("remove: ID=journey_TIME42"), 10000);
    // The file shows in that window.
    QTRY_COMPARE_WITH_TIMEOUT(Titles(first), QStringList {title}, 10000);
    QCOMPARE(first->state(), QProcess::Running);
    CloseEverything(user, first);
}

void TestJourney::tearTabIntoNewWindow_data()
{
    QTest::addColumn<QPoint>("dropOffset");
    QTest::newRow("dropped over the window's page") << QPoint(150, 400);
    QTest::newRow("dropped beside the window") << QPoint(-400, 600);
}

void TestJourney::tearTabIntoNewWindow()
{
    QFETCH(QPoint, dropOffset);
    User user(QStringLiteral("tear-%1").arg(dropOffset.x() < 0 ? "beside" : "over"));
    QProcess* app = user.Launch({docs + "/doc0.pdf"});
    QTRY_COMPARE_WITH_TIMEOUT(Titles(app), QStringList {"doc0 — RVPDF"}, 15000);
    QVERIFY(x11.SendDeleteWindow(WaitForQuestion(app)));
    QTRY_VERIFY(SmallWindows(app).isEmpty());
    QProcess* second = user.Launch({docs + "/doc1.pdf"});
    QVERIFY(second->waitForFinished(5000));
    QTRY_COMPARE_WITH_TIMEOUT(Titles(app), QStringList {"doc1 — RVPDF"}, 10000);

    // The second tab of the title bar, pulled down and out of the bar: the
    // tab picture follows the pointer, and where it is let go a window opens.
    const QRect window = x11.Geometry(MainWindows(app).first());
    const int x = window.x() + 380;
    const int y = window.y() + 22;
    QVERIFY(Xdo({"mousemove", Num(x), Num(y), "mousedown", "1", "mousemove", Num(x), Num(y + 15), "mousemove",
                 Num(x), Num(y + 40), "mousemove", Num(x + 5), Num(y + 80)}));
    QTRY_VERIFY_WITH_TIMEOUT(!SmallWindows(app).isEmpty(), 5000);
    const QPoint drop(x + dropOffset.x(), y + dropOffset.y());
    QVERIFY(Xdo({"mousemove", Num(drop.x() - 10), Num(drop.y() - 10), "mousemove", Num(drop.x()), Num(drop.y()),
                 "mouseup", "1"}));
    QTRY_COMPARE_WITH_TIMEOUT(Titles(app), QStringList({"doc0 — RVPDF", "doc1 — RVPDF"}), 10000);
    CloseEverything(user, app);
}

void TestJourney::relaunchFindsWhatWasLeft()
{
    User user(QStringLiteral("relaunch"));
    QProcess* app = user.Launch({docs + "/doc0.pdf"});
    QTRY_COMPARE_WITH_TIMEOUT(Titles(app), QStringList {"doc0 — RVPDF"}, 15000);
    // "Don't show again", then "Later", with the mouse.
    const quint32 question = WaitForQuestion(app);
    const QRect box = x11.Geometry(question);
    QVERIFY(box.isValid());
    QVERIFY(Xdo({"mousemove", Num(box.x() + 33), Num(box.bottom() - 37), "click", "1"}));
    QVERIFY(Xdo({"mousemove", Num(box.right() - 159), Num(box.bottom() - 37), "click", "1"}));
    QTRY_VERIFY(SmallWindows(app).isEmpty());
    // The user puts the window somewhere else and leaves.
    const quint32 window = MainWindows(app).first();
    QVERIFY(Xdo({"windowmove", Num(window), "40", "30"}));
    QTRY_COMPARE(x11.Geometry(window).topLeft(), QPoint(40, 30));
    const QSize size = x11.Geometry(window).size();
    CloseEverything(user, app);

    // Next time: the window where it was left with its document open again,
    // the list as it was, and no second question.
    app = user.Launch({});
    QTRY_COMPARE_WITH_TIMEOUT(Titles(app), QStringList {"doc0 — RVPDF"}, 15000);
    QCOMPARE(x11.Geometry(MainWindows(app).first()), QRect(QPoint(40, 30), size));
    QVERIFY(user.RecentList().contains(QString(docs + "/doc0.pdf").toUtf8()));
    QProcess* second = user.Launch({docs + "/doc1.pdf"});
    QVERIFY(second->waitForFinished(5000));
    QTRY_COMPARE_WITH_TIMEOUT(Titles(app), QStringList {"doc1 — RVPDF"}, 10000);
    QVERIFY(!QTest::qWaitFor([&]() { return !SmallWindows(app).isEmpty(); }, 2500));
    const QByteArray recent = user.RecentList();
    QVERIFY(recent.contains(QString(docs + "/doc0.pdf").toUtf8()) && recent.contains(QString(docs + "/doc1.pdf").toUtf8()));
    CloseEverything(user, app);
}

void TestJourney::killedAfterACommentComesBackAfterAChoice()
{
    User user(QStringLiteral("killed"));
    const QString folder = TestEnv::MakeDir("on-a-disk");
    const QString doc = folder + "/notes.pdf";
    QVERIFY(TestPdf::Write(doc, 2));
    QProcess* app = user.Launch({doc});
    QTRY_COMPARE_WITH_TIMEOUT(Titles(app), QStringList {"notes — RVPDF"}, 15000);
    QVERIFY(x11.SendDeleteWindow(WaitForQuestion(app)));
    QTRY_VERIFY(SmallWindows(app).isEmpty());

    // The comment tools, the rectangle, and one drawn on the first page.
    const QRect window = x11.Geometry(MainWindows(app).first());
    const int x = window.x();
    const int y = window.y();
    QVERIFY(Xdo({"mousemove", Num(x + 173), Num(y + 67), "click", "1"}));
    QVERIFY(Xdo({"mousemove", Num(x + 309), Num(y + 108), "click", "1"}));
    QVERIFY(Xdo({"mousemove", Num(x + 400), Num(y + 450), "mousedown", "1", "mousemove", Num(x + 450), Num(y + 500),
                 "mousemove", Num(x + 600), Num(y + 600), "mouseup", "1"}));
    // Its copy is on disk within about two seconds of the drawing, without
    // anything else happening; then the process dies.
    QElapsedTimer drawn;
    drawn.start();
    QTRY_VERIFY_WITH_TIMEOUT(!user.RecoveryCopies().isEmpty(), 10000);
    qInfo("recovery copy on disk %lld ms after the comment was drawn", drawn.elapsed());
    app->kill();
    QVERIFY(app->waitForFinished());
    const QStringList left = user.RecoveryCopies();
    QCOMPARE(left.size(), 1);

    // The disk is not there at the next start: the user is told, the copy
    // kept.
    const QString away = folder + "-unmounted";
    QVERIFY(QDir().rename(folder, away));
    app = user.Launch({});
    // The document missing, then its changes kept: OK and Keep.
    for (int question = 0; question < 2; ++question) {
        const quint32 asked = WaitForQuestion(app);
        QVERIFY(Confirm(asked));
        QTRY_VERIFY(!SmallWindows(app).contains(asked));
    }
    CloseEverything(user, app);
    QCOMPARE(user.RecoveryCopies(), left);

    // Back again: the next start asks, and the comment comes back only on
    // the user's word; saving it puts it into the file.
    QVERIFY(QDir().rename(away, folder));
    app = user.Launch({});
    const quint32 recover = WaitForQuestion(app);
    QCOMPARE(Titles(app), QStringList {"RVPDF"});
    QVERIFY(Confirm(recover));
    // Open with its changes, not yet saved.
    QTRY_COMPARE_WITH_TIMEOUT(Titles(app), QStringList {"notes* — RVPDF"}, 15000);
    QTRY_VERIFY(!user.RecoveryCopies().isEmpty() && user.RecoveryCopies() != left);
    // The default-viewer question comes again ("not now" the first time).
    QVERIFY(x11.SendDeleteWindow(WaitForQuestion(app)));
    QTRY_VERIFY(SmallWindows(app).isEmpty());
    QVERIFY(!TestPdf::Annotations(doc).join(' ').contains("/Square"));
    CloseEverything(user, app);
    QVERIFY2(TestPdf::Annotations(doc).join(' ').contains("/Square"), qPrintable(TestPdf::Annotations(doc).join(' ')));
    QVERIFY(user.RecoveryCopies().isEmpty());
}

RV_TEST_MAIN_XVFB(TestJourney)
#include "tst_journey.moc"
