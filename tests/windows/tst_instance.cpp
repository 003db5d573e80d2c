#include "TestMain.h"
#include "TestPdf.h"
#include "TestX11.h"
#include "MKApplication.h"
#include "windows/CSingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include <sys/ipc.h>
#include <sys/sem.h>
#include <sys/shm.h>
#include <unistd.h>

// One running instance per user and session, tested with the real
// executable on a real display: later launches hand their files over and
// leave; the last window closing ends the process.
class TestInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void handOver_data();
    void handOver();
    void launchesDuringStartUpAllOpen();
    void launchWhileEndingIsNotLost();
    void slowEndIsWaitedFor();
    void pathLengthLimit();
    void startupNotificationEnds();
    void killedInstanceDoesNotBlockTheNext();
    void objectsNotOursAreNeverUsed_data();
    void objectsNotOursAreNeverUsed();
    void anotherUserGetsAnInstanceOfTheirOwn();

private:
    QString LogText() const;
    // Which of the given paths the instance's recent list holds.
    QStringList RecentPaths(const QStringList& paths) const;
    QStringList RecentPaths() const { return RecentPaths(docs); }
    // Starts the first instance and waits until its window is up.
    bool StartFirst(const QStringList& args = {}, const QString& dir = QString());
    std::unique_ptr<QProcess> StartLaunch(const QStringList& args, const QString& dir = QString(),
                                          const QStringList& env = {});
    static void ShowErrors(const char* what, QProcess& process);
    int Launch(const QStringList& args, const QString& dir = QString(), const QStringList& env = {},
               QByteArray* err = nullptr);

    QString dir;
    QStringList docs;
    std::unique_ptr<QProcess> first;
    TestX11 x11;
};

void TestInstance::initTestCase()
{
    QVERIFY2(x11.IsConnected(), "needs the test display");
    // Closing the last window asks for a review once, from the fifth launch
    // on; how many launches come before a test here depends on timing, and
    // the question would be one window more.
    QSettings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat).setValue("Review/Shown", true);
    dir = TestEnv::MakeDir("instance");
    for (int i = 0; i < 7; ++i) {
        docs << dir + QStringLiteral("/doc%1.pdf").arg(i);
        QVERIFY(TestPdf::Write(docs.last(), 1));
    }
}

void TestInstance::cleanup()
{
    // What the instance said is the first clue to a failure seen only on a
    // slow or sanitized run.
    if (first && QTest::currentTestFailed())
        ShowErrors("the instance", *first);
    if (first) {
        first->kill();
        first->waitForFinished();
        first.reset();
    }
    TestEnv::RemoveIpcObjects();
    // The kill above is a crash to the next start, which would restore this
    // test's session and say so: every test starts from a clean end.
    QDir(TestEnv::Root() + "/state/rvpdf/session").removeRecursively();
    QFile::remove(TestEnv::Root() + "/state/rvpdf/log/PDF.log");
    QFile::remove(TestEnv::Root() + "/state/rvpdf/recentfiles.json");
}

QString TestInstance::LogText() const
{
    return QString::fromUtf8(TestPdf::ReadBytes(TestEnv::Root() + "/state/rvpdf/log/PDF.log"));
}

QStringList TestInstance::RecentPaths(const QStringList& paths) const
{
    const QByteArray text = TestPdf::ReadBytes(TestEnv::Root() + "/state/rvpdf/recentfiles.json");
    QStringList found;
    for (const QString& path : paths) {
        if (text.contains('"' + path.toUtf8() + '"'))
            found << path;
    }
    return found;
}

void TestInstance::ShowErrors(const char* what, QProcess& process)
{
    if (process.state() == QProcess::Running) {
        process.kill();
        process.waitForFinished();
    }
    qWarning("%s wrote: %s", what, process.readAllStandardError().constData());
}

std::unique_ptr<QProcess> TestInstance::StartLaunch(const QStringList& args, const QString& workDir,
                                                    const QStringList& env)
{
    return TestEnv::StartChild(RVPDF_BINARY, args, env, workDir);
}

bool TestInstance::StartFirst(const QStringList& args, const QString& workDir)
{
    first = StartLaunch(args, workDir);
    if (!first->waitForStarted())
        return false;
    return QTest::qWaitFor([this]() { return !x11.WindowsOf(first->processId()).isEmpty(); }, 15000)
        && first->state() == QProcess::Running;
}

int TestInstance::Launch(const QStringList& args, const QString& workDir, const QStringList& env, QByteArray* err)
{
    const TestEnv::ChildResult run = TestEnv::RunChild(RVPDF_BINARY, args, env, 15000, workDir);
    if (err)
        *err = run.err;
    else if (run.ExitCode() != 0)
        qWarning("launch %s ended with %d: %s", qPrintable(args.join(' ')), run.ExitCode(), run.err.constData());
    return run.ExitCode();
}

void TestInstance::handOver_data()
{
    QTest::addColumn<QStringList>("payload");
    QTest::addColumn<QStringList>("opened");
    const QString exe = QStringLiteral(RVPDF_BINARY);
    QTest::newRow("two files open the first") << QStringList {exe, "@1", "@2"} << QStringList {"@1"};
    QTest::newRow("empty list only raises") << QStringList() << QStringList();
    QTest::newRow("missing file") << QStringList {exe, "/nonexistent/x.pdf"} << QStringList();
    QTest::newRow("relative path is not guessed") << QStringList {exe, "doc3.pdf"} << QStringList();
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
    QVERIFY(StartFirst({}, dir));

    // An earlier, longer list leaves its bytes in the segment; they must not
    // leak into the next, shorter one.
    CSingleInstance later("RVPDF");
    QVERIFY(later.IsRunning());
    QStringList longer {QStringLiteral(RVPDF_BINARY), docs[5]};
    for (int i = 0; i < 6; ++i)
        longer << QStringLiteral("/padding/that/only/fills/the/segment/%1").arg(i);
    QCOMPARE(later.SendArguments({longer, "launcher_TIME1", {}}), CSingleInstance::Delivered);
    QTRY_VERIFY_WITH_TIMEOUT(RecentPaths().contains(docs[5]), 10000);

    const int handOvers = LogText().count("launch hand-over:");
    QCOMPARE(later.SendArguments({payload, {}, {}}), CSingleInstance::Delivered);
    QTRY_COMPARE_WITH_TIMEOUT(LogText().count("launch hand-over:"), handOvers + 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(LogText().contains(QStringLiteral("launch hand-over: %1 argument(s)").arg(payload.size())), 10000);
    QStringList expected {docs[5]};
    expected << opened;
    QTRY_COMPARE_WITH_TIMEOUT(RecentPaths().size(), expected.size(), 10000);
    QStringList seen = RecentPaths();
    seen.sort();
    expected.sort();
    QCOMPARE(seen, expected);
    QCOMPARE(first->state(), QProcess::Running);
}

void TestInstance::launchesDuringStartUpAllOpen()
{
    // Six launches at once: whichever comes first is the instance, the
    // others hand over while it is still starting up.
    std::vector<std::unique_ptr<QProcess>> launches;
    for (int i = 0; i < 6; ++i)
        launches.push_back(StartLaunch({docs[i]}));
    QTRY_COMPARE_WITH_TIMEOUT(std::count_if(launches.begin(), launches.end(),
                                            [](const std::unique_ptr<QProcess>& launch) {
                                                return launch->state() == QProcess::NotRunning;
                                            }),
                              5L, 20000);
    // A list the instance did not take in time is taken back and its launch
    // ends with 1, "did not answer": all must have been delivered.
    for (auto& launch : launches) {
        if (launch->state() == QProcess::Running) {
            first = std::move(launch);
            continue;
        }
        QCOMPARE(launch->exitStatus(), QProcess::NormalExit);
        QCOMPARE(launch->exitCode(), 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(RecentPaths(docs.mid(0, 6)).size(), 6, 15000);
    QCOMPARE(LogText().count("AppVersion:"), 1);
}

void TestInstance::launchWhileEndingIsNotLost()
{
    // A file launched while the instance is ending is not lost: it opens in
    // whichever instance is there to take it.
    QVERIFY(StartFirst({docs[1]}));
    QVERIFY(x11.SendDeleteWindow(x11.WindowsOf(first->processId()).value(0)));
    std::unique_ptr<QProcess> late = StartLaunch({docs[2]});
    auto show = qScopeGuard([&]() {
        if (!QTest::currentTestFailed())
            return;
        for (QProcess* process : {first.get(), late.get()}) {
            QStringList titles;
            for (quint32 window : x11.WindowsOf(process->processId()))
                titles << x11.Title(window);
            qWarning("%s: %s, windows: %s", process == late.get() ? "late launch" : "instance",
                     process->state() == QProcess::Running ? "running" : "ended", qPrintable(titles.join(" | ")));
        }
        qWarning("log: %s", qPrintable(LogText()));
        ShowErrors("the late launch", *late);
    });
    QTRY_VERIFY_WITH_TIMEOUT(RecentPaths().contains(docs[2]), 40000);
    QTRY_VERIFY_WITH_TIMEOUT(first->state() == QProcess::NotRunning || late->state() == QProcess::NotRunning, 5000);
    QProcess* survivor = first->state() == QProcess::Running ? first.get() : late.get();
    QCOMPARE(survivor->state(), QProcess::Running);
    QTRY_COMPARE_WITH_TIMEOUT(x11.WindowsOf(survivor->processId()).size(), 1, 5000);
    if (survivor == late.get()) {
        late->kill();
        late->waitForFinished();
    }
}

void TestInstance::slowEndIsWaitedFor()
{
    // An instance that said it is closing ends for sure, however slowly (a
    // loaded machine, many documents to put away): a launch meanwhile
    // waits for it and becomes the next instance instead of giving up.
    auto ending = std::make_unique<CSingleInstance>("slow-end");
    QVERIFY(!ending->IsRunning());
    ending->SetClosing(true);
    CSingleInstance later("slow-end");
    QVERIFY(later.IsRunning());
    QElapsedTimer timer;
    timer.start();
    std::thread end([&]() {
        QThread::msleep(CSingleInstance::kTakeOverTimeoutMs + 1500);
        ending.reset();
    });
    const CSingleInstance::SendResult result = later.SendArguments({{"rvpdf", docs[0]}, {}, {}});
    end.join();
    QCOMPARE(result, CSingleInstance::BecameFirst);
    QVERIFY(timer.elapsed() >= CSingleInstance::kTakeOverTimeoutMs);
}

void TestInstance::pathLengthLimit()
{
    // A list that fills the payload area to the byte still gets through
    // whole, without touching the state bytes behind it; one more character
    // is refused with a message, and the instance is unharmed.
    const QString program = QStringLiteral("rvpdf");
    QString nested = TestEnv::MakeDir("long");
    const int listOverhead = 4 + 4 + 2 * program.size() + 4;
    const int pathLength = (CSingleInstance::kPayloadSize - listOverhead) / 2;
    QVERIFY(CSingleInstance::kPayloadSize % 2 == 0);
    while (nested.size() + 1 + 100 < pathLength - 12)
        nested += "/" + QString(100, QLatin1Char('d'));
    QVERIFY(QDir().mkpath(nested));
    const QString fits = nested + "/" + QString(pathLength - nested.size() - 1 - 4, QLatin1Char('f')) + ".pdf";
    QCOMPARE(fits.size(), pathLength);
    QVERIFY(TestPdf::Write(fits, 1));
    QCOMPARE(CSingleInstance::SerializeArguments({program, fits}).size(), CSingleInstance::kPayloadSize);

    QVERIFY(StartFirst());
    CSingleInstance later("RVPDF");
    QCOMPARE(later.SendArguments({{program, fits}, "id_TIME5", {}}), CSingleInstance::Delivered);
    QTRY_COMPARE_WITH_TIMEOUT(RecentPaths({fits}), QStringList {fits}, 10000);
    QCOMPARE(later.SendArguments({{program, fits + "x"}, {}, {}}), CSingleInstance::TooLong);

    QByteArray err;
    QCOMPARE(Launch({fits + "/" + QString(600, QLatin1Char('x'))}, QString(), {}, &err), 2);
    QVERIFY2(err.contains("too long"), err.constData());
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(Launch({docs[4]}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(RecentPaths().contains(docs[4]), 10000);
    // A mistaken option is refused by the launch, not handed over as a file.
    const int handOvers = LogText().count("launch hand-over:");
    QCOMPARE(Launch({"--bogus", docs[3]}, QString(), {}, &err), 1);
    QVERIFY2(err.contains("Unknown option 'bogus'"), err.constData());
    QCOMPARE(LogText().count("launch hand-over:"), handOvers);
}

void TestInstance::startupNotificationEnds()
{
    x11.ClearStartupMessages();
    first = StartLaunch({}, QString(), {"DESKTOP_STARTUP_ID=first_TIME100"});
    QTRY_VERIFY_WITH_TIMEOUT(x11.StartupMessages().contains("remove: ID=first_TIME100"), 10000);
    // A later launch's id reaches the running window, which ends that
    // launch's notification when it comes forward.
    QCOMPARE(Launch({docs[0]}, QString(), {"DESKTOP_STARTUP_ID=second launch_TIME200"}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(x11.StartupMessages().contains("remove: ID=second\\ launch_TIME200"), 10000);
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

void TestInstance::objectsNotOursAreNeverUsed_data()
{
    QTest::addColumn<QString>("squatter");
    QTest::newRow("another program's segment") << "segment";
    QTest::newRow("another user's segment, open to all") << "user segment";
    QTest::newRow("another user's semaphores, open to all") << "user semaphores";
    // A file system may hand the inode freed last to the next new file: a
    // new key file must not lead back to a key already found taken.
    QTest::newRow("another user's semaphores on this key and the next") << "user semaphores, next key too";
    QTest::newRow("another session's instance on the same key") << "session";
}

void TestInstance::objectsNotOursAreNeverUsed()
{
    // System V keys come from a key file's inode, so anything can sit on
    // ours: another program, another user (who may make it first, open to
    // all, to be taken for our instance and read every path we hand over),
    // another login session whose key file shares the key's bits (a hard
    // link here, to be sure). The program must still start, take its own
    // hand-overs, leave the other objects alone, and after a clean end
    // leave nothing of its own behind.
    QFETCH(QString, squatter);
    const bool otherUser = squatter.startsWith("user");
    if (otherUser && ::geteuid() != 0)
        QSKIP("needs root to make objects of another user");
    const QString keyFile = CSingleInstance::KeyFilePath("RVPDF");
    QVERIFY(keyFile.startsWith(TestEnv::Root() + "/runtime/"));
    QVERIFY(QFile::remove(keyFile) || !QFile::exists(keyFile));
    QVERIFY(TestPdf::WriteBytes(keyFile, QByteArray()));
    const QByteArray key = QFile::encodeName(keyFile);
    // Objects left by earlier runs on this machine may sit on any key: the
    // squatters here start from a key file whose keys are free.
    QStringList held;
    auto release = qScopeGuard([&held]() {
        for (const QString& path : held)
            QFile::remove(path);
    });
    for (int i = 0; i < 50 && (::shmget(::ftok(key.constData(), 'R'), 0, 0) != -1
                               || ::semget(::ftok(key.constData(), 'S'), 0, 0) != -1); ++i) {
        held << keyFile + QStringLiteral(".held%1").arg(i);
        QVERIFY(QFile::rename(keyFile, held.last()));
        QVERIFY(TestPdf::WriteBytes(keyFile, QByteArray()));
    }
    const QString otherRuntime = TestEnv::MakeDir("other-session");
    std::unique_ptr<QProcess> other;
    const int shm = squatter.endsWith("segment")
        ? ::shmget(::ftok(key.constData(), 'R'), 2048, IPC_CREAT | IPC_EXCL | (otherUser ? 0666 : 0600)) : -1;
    // The other user's segment is dressed as ours: a set of its own, the
    // header naming our key file, the lock free, the segment in use.
    const bool forged = squatter == "user segment";
    const int sem = squatter.contains("semaphores") || forged
        ? ::semget(::ftok(key.constData(), 'S'), 2, IPC_CREAT | IPC_EXCL | 0666) : -1;
    // The next key file is likely to get the inode of one just removed.
    int nextSem = -1;
    if (squatter.endsWith("next key too")) {
        const QByteArray probe = key + ".probe";
        QVERIFY(TestPdf::WriteBytes(QFile::decodeName(probe), QByteArray()));
        // Taken already, by whatever, serves as well.
        nextSem = ::semget(::ftok(probe.constData(), 'S'), 2, IPC_CREAT | IPC_EXCL | 0666);
        QVERIFY(nextSem != -1 || errno == EEXIST);
        QVERIFY(QFile::remove(QFile::decodeName(probe)));
    }
    char* header = forged ? static_cast<char*>(::shmat(shm, nullptr, 0)) : nullptr;
    auto remove = qScopeGuard([&]() {
        if (header)
            ::shmdt(header);
        ::shmctl(shm, IPC_RMID, nullptr);
        ::semctl(sem, 0, IPC_RMID);
        ::semctl(nextSem, 0, IPC_RMID);
        TestEnv::RemoveIpcObjects(otherRuntime);
    });
    shmid_ds shmState {};
    semid_ds semState {};
    union { int val; semid_ds* buf; unsigned short* array; } semArg {};
    semArg.buf = &semState;
    if (otherUser) {
        QVERIFY(shm == -1 || ::shmctl(shm, IPC_STAT, &shmState) == 0);
        QVERIFY(sem == -1 || ::semctl(sem, 0, IPC_STAT, semArg) == 0);
        shmState.shm_perm.uid = semState.sem_perm.uid = 65534;
        QVERIFY(shm == -1 || ::shmctl(shm, IPC_SET, &shmState) == 0);
        QVERIFY(sem == -1 || ::semctl(sem, 0, IPC_SET, semArg) == 0);
        QVERIFY(nextSem == -1 || ::semctl(nextSem, 0, IPC_SET, semArg) == 0);
        if (forged) {
            QVERIFY(header != reinterpret_cast<char*>(-1));
            std::memcpy(header, "RVPDFIPC", 8);
            std::memcpy(header + 8, &sem, sizeof(sem));
            std::memcpy(header + 12, key.constData(), size_t(key.size()) + 1);
            semArg.val = 1;
            QCOMPARE(::semctl(sem, 0, SETVAL, semArg), 0);
            semArg.buf = &semState;
        }
    } else if (squatter == "session") {
        QFile::setPermissions(otherRuntime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(::link(key.constData(), QFile::encodeName(otherRuntime + "/RVPDF.instance").constData()), 0);
        other = StartLaunch({}, QString(), {"XDG_RUNTIME_DIR=" + otherRuntime, "QT_QPA_PLATFORM=offscreen"});
        QTRY_VERIFY_WITH_TIMEOUT(LogText().contains("session restored"), 30000);
        QFile::remove(TestEnv::Root() + "/state/rvpdf/log/PDF.log");
    }

    QVERIFY(StartFirst({docs[0]}));
    QCOMPARE(Launch({docs[1]}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(x11.Title(x11.WindowsOf(first->processId()).value(0)).startsWith("doc1"), 10000);
    QCOMPARE(LogText().count("AppVersion:"), 1);
    first->terminate();
    QVERIFY(first->waitForFinished(30000));
    QCOMPARE(first->exitCode(), 0);
    // Our objects are gone; the other ones are as they were.
    const QByteArray current = QFile::encodeName(CSingleInstance::KeyFilePath("RVPDF"));
    QCOMPARE(::shmget(::ftok(current.constData(), 'R'), 0, 0), -1);
    QCOMPARE(::semget(::ftok(current.constData(), 'S'), 0, 0), -1);
    QVERIFY(shm == -1 || ::shmctl(shm, IPC_STAT, &shmState) == 0);
    QVERIFY(sem == -1 || ::semctl(sem, 0, IPC_STAT, semArg) == 0);
    QVERIFY(nextSem == -1 || ::semctl(nextSem, 0, IPC_STAT, semArg) == 0);
    // Key files left for others' objects are gone once a key worked.
    QCOMPARE(QDir(TestEnv::Root() + "/runtime").entryList({"*.retired"}, QDir::Files), QStringList());
    if (other)
        QCOMPARE(other->state(), QProcess::Running);
}

void TestInstance::anotherUserGetsAnInstanceOfTheirOwn()
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty())
        QSKIP("needs root and setpriv to start a process as another user");
    QVERIFY(StartFirst());
    // The other user has folders of their own, their runtime folder
    // included, as a login of theirs would.
    // Outside this test's private root, which only its owner may enter.
    QTemporaryDir otherRoot(QDir::rootPath() + "tmp/rvpdf-other-XXXXXX");
    QVERIFY(otherRoot.isValid());
    const QString other = otherRoot.path();
    for (const char* sub : {"home", "config", "data", "cache", "state", "tmp", "runtime"})
        QVERIFY(QDir(other).mkpath(sub));
    QFile::setPermissions(other + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess::execute("chown", {"-R", "65534:65534", other});
    QProcessEnvironment env = TestEnv::ChildEnvironment();
    env.insert("HOME", other + "/home");
    env.insert("XDG_CONFIG_HOME", other + "/config");
    env.insert("XDG_DATA_HOME", other + "/data");
    env.insert("XDG_CACHE_HOME", other + "/cache");
    env.insert("XDG_STATE_HOME", other + "/state");
    env.insert("TMPDIR", other + "/tmp");
    env.insert("XDG_RUNTIME_DIR", other + "/runtime");
    // The display belongs to this user; the other one runs headless.
    env.insert("QT_QPA_PLATFORM", "offscreen");
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
    // Up to its session: from there on it ends cleanly on a termination.
    QTRY_VERIFY_WITH_TIMEOUT(TestPdf::ReadBytes(other + "/state/rvpdf/log/PDF.log").contains("session restored"), 30000);
    QCOMPARE(theirs.state(), QProcess::Running);
    QCOMPARE(LogText().count("launch hand-over:"), 0);
    // Ended cleanly, it leaves no System V object of theirs behind.
    theirs.terminate();
    QVERIFY(theirs.waitForFinished(15000));
    const QByteArray theirKey = QFile::encodeName(other + "/runtime/RVPDF.instance");
    QVERIFY(QFile::exists(other + "/runtime/RVPDF.instance"));
    QCOMPARE(::shmget(::ftok(theirKey.constData(), 'R'), 0, 0), -1);
    QCOMPARE(::semget(::ftok(theirKey.constData(), 'S'), 0, 0), -1);
}

RV_TEST_MAIN_XVFB(TestInstance)
#include "tst_instance.moc"
