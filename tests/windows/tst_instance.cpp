#include "TestMain.h"
#include "TestPdf.h"
#include "windows/CSingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSharedMemory>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

#include <unistd.h>

// One running instance per user and session, tested with the real
// executable: later launches hand their files over and leave.
class TestInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void handOver_data();
    void handOver();
    void secondLaunchLeavesNoTrace();
    void killedInstanceDoesNotBlockTheNext();
    void fiveQuickLaunchesAllOpen();
    void otherUsersInstanceIsNotOurs();
    void anotherUserGetsAnInstanceOfTheirOwn();

private:
    QString LogText() const;
    // Paths in the running instance's recent list.
    QStringList RecentPaths() const;
    // Starts the first instance and waits until it is up.
    bool StartFirst(const QStringList& args = {});
    int Launch(const QStringList& args);

    QString dir;
    QStringList docs;
    std::unique_ptr<QProcess> first;
};

void TestInstance::initTestCase()
{
    dir = TestEnv::MakeDir("instance");
    for (int i = 0; i < 7; ++i) {
        docs << dir + QStringLiteral("/doc%1.pdf").arg(i);
        QVERIFY(TestPdf::Write(docs.last(), 1));
    }
}

void TestInstance::cleanup()
{
    if (first) {
        first->kill();
        first->waitForFinished();
        first.reset();
    }
    TestEnv::RemoveIpcObjects();
    QFile::remove(TestEnv::Root() + "/data/rvpdf/log/PDF.log");
    QFile::remove(TestEnv::Root() + "/data/rvpdf/recent/recentfiles.json");
}

QString TestInstance::LogText() const
{
    QFile log(TestEnv::Root() + "/data/rvpdf/log/PDF.log");
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QStringList TestInstance::RecentPaths() const
{
    QFile file(TestEnv::Root() + "/data/rvpdf/recent/recentfiles.json");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    QStringList paths;
    for (const QString& doc : docs) {
        if (text.contains(doc.toUtf8()))
            paths << doc;
    }
    return paths;
}

bool TestInstance::StartFirst(const QStringList& args)
{
    first.reset(new QProcess);
    first->setProcessEnvironment(TestEnv::ChildEnvironment());
    first->start(RVPDF_BINARY, args);
    if (!first->waitForStarted())
        return false;
    QElapsedTimer timer;
    timer.start();
    // Up once the log has its version line and the hand-over thread runs.
    while (!LogText().contains("AppVersion:") && timer.elapsed() < 15000)
        QTest::qWait(20);
    QTest::qWait(300);
    return LogText().contains("AppVersion:") && first->state() == QProcess::Running;
}

int TestInstance::Launch(const QStringList& args)
{
    QProcess process;
    process.setProcessEnvironment(TestEnv::ChildEnvironment());
    process.start(RVPDF_BINARY, args);
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        return -100;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -200;
}

void TestInstance::handOver_data()
{
    QTest::addColumn<QStringList>("payload");
    QTest::addColumn<QStringList>("opened");
    const QString exe = QStringLiteral(RVPDF_BINARY);
    QTest::newRow("one file") << QStringList {exe, "@0"} << QStringList {"@0"};
    QTest::newRow("two files open the first") << QStringList {exe, "@1", "@2"} << QStringList {"@1"};
    QTest::newRow("no file only raises") << QStringList {exe} << QStringList();
    QTest::newRow("empty list only raises") << QStringList() << QStringList();
    QTest::newRow("missing file") << QStringList {exe, "/nonexistent/x.pdf"} << QStringList();
}

void TestInstance::handOver()
{
    QFETCH(QStringList, payload);
    QFETCH(QStringList, opened);
    auto resolve = [this](QStringList list) {
        for (QString& item : list) {
            if (item.startsWith('@'))
                item = docs.at(item.mid(1).toInt());
        }
        return list;
    };
    payload = resolve(payload);
    opened = resolve(opened);
    QVERIFY(StartFirst());

    // An earlier, longer list leaves its bytes in the segment; they must not
    // leak into the next, shorter one.
    CSingleInstance later("RVPDF");
    QVERIFY(later.IsRunning());
    QStringList longer {QStringLiteral(RVPDF_BINARY), docs[5]};
    for (int i = 0; i < 6; ++i)
        longer << QStringLiteral("/padding/that/only/fills/the/segment/%1").arg(i);
    QVERIFY(CSingleInstance::SerializeArguments(longer).size() < CSingleInstance::kPendingByte);
    later.SendArguments(longer);
    QTRY_VERIFY_WITH_TIMEOUT(RecentPaths().contains(docs[5]), 10000);

    const int handOvers = LogText().count("launch hand-over:");
    QElapsedTimer timer;
    timer.start();
    later.SendArguments(payload);
    QVERIFY(timer.elapsed() < 3000);
    QTRY_COMPARE_WITH_TIMEOUT(LogText().count("launch hand-over:"), handOvers + 1, 10000);
    QVERIFY(LogText().contains(QStringLiteral("launch hand-over: %1 argument(s)").arg(payload.size())));
    if (!opened.isEmpty())
        QTRY_VERIFY_WITH_TIMEOUT(RecentPaths().contains(opened.first()), 10000);
    QTest::qWait(600);
    QStringList expected {docs[5]};
    expected << opened;
    expected.sort();
    QStringList seen = RecentPaths();
    seen.sort();
    QCOMPARE(seen, expected);
    QCOMPARE(first->state(), QProcess::Running);
}

void TestInstance::secondLaunchLeavesNoTrace()
{
    QVERIFY(StartFirst());
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(Launch({docs[0]}), 0);
    QVERIFY(timer.elapsed() < 5000);
    QTRY_VERIFY_WITH_TIMEOUT(RecentPaths().contains(docs[0]), 10000);
    // Only the first instance ever started up.
    QCOMPARE(LogText().count("AppVersion:"), 1);
    QCOMPARE(first->state(), QProcess::Running);
}

void TestInstance::killedInstanceDoesNotBlockTheNext()
{
    QVERIFY(StartFirst());
    first->kill();
    QVERIFY(first->waitForFinished());
    QCOMPARE(first->exitStatus(), QProcess::CrashExit);

    // The crashed instance's segment and semaphore are still there; the
    // next launch must become the instance and show its window.
    QVERIFY(StartFirst({docs[3]}));
    QCOMPARE(LogText().count("AppVersion:"), 2);
    QTRY_VERIFY_WITH_TIMEOUT(RecentPaths().contains(docs[3]), 10000);
    // And it receives later launches again.
    QCOMPARE(Launch({docs[4]}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(RecentPaths().contains(docs[4]), 10000);
    QCOMPARE(LogText().count("AppVersion:"), 2);
}

void TestInstance::fiveQuickLaunchesAllOpen()
{
    QVERIFY(StartFirst());
    std::vector<std::unique_ptr<QProcess>> launches;
    for (int i = 0; i < 5; ++i) {
        launches.emplace_back(new QProcess);
        launches.back()->setProcessEnvironment(TestEnv::ChildEnvironment());
        launches.back()->start(RVPDF_BINARY, {docs[i]});
    }
    for (auto& launch : launches) {
        QVERIFY(launch->waitForFinished(20000));
        QCOMPARE(launch->exitStatus(), QProcess::NormalExit);
        QCOMPARE(launch->exitCode(), 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(RecentPaths().size(), 5, 15000);
    QCOMPARE(LogText().count("launch hand-over: 2 argument(s)"), 5);
    QCOMPARE(LogText().count("AppVersion:"), 1);
}

void TestInstance::otherUsersInstanceIsNotOurs()
{
    // Another user's (or session's) instance owns a segment under its own
    // name; ours is not found through it.
    QSharedMemory foreign(QStringLiteral("RVPDF_%1").arg(::getuid() + 1));
    QVERIFY(foreign.create(CSingleInstance::kSegmentSize));
    QVERIFY(CSingleInstance::SegmentKey("RVPDF") != foreign.key());
    QVERIFY(StartFirst({docs[6]}));
    QTRY_VERIFY_WITH_TIMEOUT(RecentPaths().contains(docs[6]), 10000);

    // Payloads from outside are checked before use.
    for (const QByteArray& bytes :
         {QByteArray::fromHex("7fffffff"), QByteArray::fromHex("00000001000000ff0041"), TestPdf::Garbage(1024, 7)}) {
        QElapsedTimer timer;
        timer.start();
        QVERIFY(CSingleInstance::ParseArguments(bytes).isEmpty());
        QVERIFY(timer.elapsed() < 100);
    }
}

void TestInstance::anotherUserGetsAnInstanceOfTheirOwn()
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty())
        QSKIP("needs root and setpriv to start a process as another user");
    QVERIFY(StartFirst());
    // The other user has folders of their own but shares the session's
    // runtime folder name, so only the user tells the instances apart.
    // Outside this test's private root, which only its owner may enter.
    QTemporaryDir otherRoot(QDir::rootPath() + "tmp/rvpdf-other-XXXXXX");
    QVERIFY(otherRoot.isValid());
    const QString other = otherRoot.path();
    for (const char* sub : {"home", "config", "data", "cache", "tmp"})
        QVERIFY(QDir(other).mkpath(sub));
    QProcess::execute("chown", {"-R", "65534:65534", other});
    QProcessEnvironment env = TestEnv::ChildEnvironment();
    env.insert("HOME", other + "/home");
    env.insert("XDG_CONFIG_HOME", other + "/config");
    env.insert("XDG_DATA_HOME", other + "/data");
    env.insert("XDG_CACHE_HOME", other + "/cache");
    env.insert("TMPDIR", other + "/tmp");
    const QString doc = other + "/tmp/theirs.pdf";
    QVERIFY(TestPdf::Write(doc, 1));
    QProcess::execute("chown", {"65534:65534", doc});
    QProcess theirs;
    theirs.setProcessEnvironment(env);
    theirs.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", RVPDF_BINARY, doc});
    QVERIFY(theirs.waitForStarted());
    theirs.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A hand-over would end the process at once; an instance of its own
    // keeps running and writes its own log.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(other + "/data/rvpdf/log/PDF.log"), 15000);
    QCOMPARE(theirs.state(), QProcess::Running);
    QCOMPARE(LogText().count("launch hand-over:"), 0);
    theirs.kill();
    theirs.waitForFinished();
}

RV_TEST_MAIN(TestInstance)
#include "tst_instance.moc"
