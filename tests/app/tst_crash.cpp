#include "app/CrashReport.h"
#include "CCrashReporter.h"
#include "CCrashUploader.h"
#include "CReportConsent.h"
#include "CannedServer.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QDirIterator>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>

#include <csignal>
#include <cstring>

using MKBase::CCrashReporter;

namespace {

QList<int> g_eventSignals;

bool CountingCallback(unsigned int code, void* value1, void*)
{
    if (code == CCrashReporter::kCrashEventCode)
        g_eventSignals << (value1 ? *static_cast<int*>(value1) : -1);
    return false;
}

// A report as an earlier crash leaves it; a higher index is a later crash.
QString MakeReport(const QString& dir, int index, const char* usageEvent = "none")
{
    QDir().mkpath(dir);
    const QString base = QStringLiteral("%1/crash-20240101-%2-000-%3")
                             .arg(dir).arg(index, 6, 10, QLatin1Char('0')).arg(1000 + index);
    QFile report(base + ".txt");
    QFile log(base + ".log");
    if (!report.open(QIODevice::WriteOnly) || !log.open(QIODevice::WriteOnly))
        return QString();
    report.write("Database: rvpdf_linux\nApplication: RVPDF\nVersion: linux_2.0.0.4\nSignal: 11 SIGSEGV\n"
                 "Cause: null pointer access\nUsage event: ");
    report.write(usageEvent);
    report.write("\nStack:\n./rvpdf(+0x1234)[0x5555]\n");
    log.write(QStringLiteral("log of report %1\n").arg(index).toUtf8());
    return report.fileName();
}

} // namespace

// Real crashing child processes, and the next start's upload to a local server.
class TestCrash : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fatalConditionLeavesReportOnlyWithReporter_data();
    void fatalConditionLeavesReportOnlyWithReporter();
    void reportsTrimmedToNewestTen_data();
    void reportsTrimmedToNewestTen();
    void usageEventDeliveredOnce();
    void uploadOutcome_data();
    void uploadOutcome();
    void uploadCarriesReportAndLog();
    void switchStopsUploads_data();
    void switchStopsUploads();
};

void TestCrash::init()
{
    for (const char* app : {"rvpdf", "marvikpdf", "marvikpdfcn"}) {
        QDir(TestEnv::Root() + "/state/" + app + "/crash").removeRecursively();
        QFile::remove(TestEnv::Root() + "/state/" + app + "/log/PDF.log");
    }
    qunsetenv("RVPDF_DISABLE_REPORTS");
    qunsetenv("RVPDF_CRASH_URL");
    // The user said yes, unless a row says otherwise.
    MKBase::CReportConsent::getInstance()->Set(MKApplication::FrameworkSettingsPath(), true, true);
    g_eventSignals.clear();
}

void TestCrash::fatalConditionLeavesReportOnlyWithReporter_data()
{
    QTest::addColumn<QString>("args"); // the condition, then the brand
    QTest::addColumn<QString>("env");
    QTest::addColumn<int>("signal"); // 0: the child ends normally
    QTest::addColumn<QString>("cause"); // empty: no report is written
    QTest::addColumn<bool>("installed");
    QTest::newRow("null dereference") << "null" << "" << SIGSEGV << "null pointer access" << true;
    QTest::newRow("abort") << "abort" << "" << SIGABRT << "abort" << true;
    QTest::newRow("std::terminate") << "terminate" << "" << SIGABRT << "std::terminate called" << true;
    QTest::newRow("uncaught exception") << "exception" << "" << SIGABRT
                                        << "uncaught exception std::runtime_error: disk on fire" << true;
    QTest::newRow("pure virtual call") << "pure-virtual" << "" << SIGABRT << "pure virtual function call" << true;
    QTest::newRow("allocation failure") << "allocation" << "" << SIGABRT << "memory allocation failed" << true;
    QTest::newRow("division by zero") << "divide" << "" << SIGFPE << "integer division by zero" << true;
    QTest::newRow("stack overflow") << "stack-overflow" << "" << SIGSEGV << "stack overflow" << true;
    QTest::newRow("stack overflow on a render thread") << "worker-stack-overflow" << "" << SIGSEGV << "stack overflow"
                                                       << true;
    QTest::newRow("illegal instruction") << "illegal" << "" << SIGILL << "illegal instruction" << true;
    QTest::newRow("bus error") << "bus" << "" << SIGBUS << "bus error" << true;
    // Without a reporter the crash is the system's alone.
    QTest::newRow("brand without reports") << "null zz overseas" << "" << SIGSEGV << "" << false;
    QTest::newRow("hd brand") << "abort hd domestic" << "" << SIGABRT << "" << false;
    QTest::newRow("off by environment") << "null" << "RVPDF_DISABLE_REPORTS=1" << SIGSEGV << "" << false;
    // Crash reports wait for the user's yes ("consent=" sets the answer).
    QTest::newRow("never asked") << "null" << "consent=unasked" << SIGSEGV << "" << false;
    QTest::newRow("answered no") << "abort" << "consent=no" << SIGABRT << "" << false;
    QTest::newRow("environment 0 keeps it on, no crash") << "none" << "RVPDF_DISABLE_REPORTS=0" << 0 << "" << true;
}

void TestCrash::fatalConditionLeavesReportOnlyWithReporter()
{
    QFETCH(QString, args);
    QFETCH(QString, env);
    QFETCH(int, signal);
    QFETCH(QString, cause);
    QFETCH(bool, installed);

    if (env == QLatin1String("consent=unasked"))
        QSettings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat).remove("Reports");
    else if (env == QLatin1String("consent=no"))
        MKBase::CReportConsent::getInstance()->Set(MKApplication::FrameworkSettingsPath(), true, false);
    const QStringList childEnv = env.startsWith("consent=") ? QStringList() : env.split(' ', Qt::SkipEmptyParts);
    const TestEnv::ChildResult child = TestEnv::RunChild(CRASH_CHILD, args.split(' '), childEnv);
    const QString dir = CrashReportDir();
    // Under a sanitizer, it reports the failure and ours stays out of its way.
    const bool sanitizer = CCrashReporter::UnderSanitizer();
    QVERIFY2(child.out.contains("reporter installed: yes") == (installed && !sanitizer), child.out.constData());
    if (sanitizer) {
        QCOMPARE(child.status == QProcess::CrashExit || child.code != 0, signal != 0);
    } else {
        // The process still dies of its own signal (QProcess gives the
        // signal as the code of a crash exit).
        QCOMPARE(child.status, signal ? QProcess::CrashExit : QProcess::NormalExit);
        QCOMPARE(child.code, signal);
    }
    if (cause.isEmpty() || sanitizer) {
        QDirIterator files(TestEnv::Root(), {"crash-*"}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY2(!files.hasNext(), qPrintable(files.hasNext() ? files.next() : QString()));
        return;
    }

    const QStringList reports = CCrashReporter::PendingReports(dir);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(QDir(dir).entryList({"*.tmp"}, QDir::Files), QStringList());

    const QMap<QString, QString> fields = CCrashReporter::ReadReportFields(reports.first());
    QCOMPARE(fields.value("Version"), QString("linux_" RVPDF_VERSION));
    QCOMPARE(fields.value("Signal"), QStringLiteral("%1 SIG%2").arg(signal).arg(sigabbrev_np(signal)));
    QVERIFY2(fields.value("Cause").startsWith(cause), qPrintable(fields.value("Cause")));
    QCOMPARE(fields.value("Usage event"), QString("due"));
    QVERIFY(QDateTime::fromString(fields.value("Time"), Qt::ISODateWithMs).isValid());

    const QString text = QString::fromUtf8(TestPdf::ReadBytes(reports.first()));
    const QStringList stack = text.mid(text.indexOf("\nStack:\n") + 8).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(stack.size() >= 3, qPrintable(text));

    const QString log = CCrashReporter::LogCopyPath(reports.first());
    QVERIFY(!log.isEmpty());
    QCOMPARE(fields.value("Log copy"), QFileInfo(log).fileName());
    QVERIFY(QString::fromUtf8(TestPdf::ReadBytes(log)).contains("crash child about to fail: " + args));
}

void TestCrash::reportsTrimmedToNewestTen_data()
{
    QTest::addColumn<int>("existing");
    QTest::addColumn<bool>("crash"); // a crash adds its own report; else the trim of a start runs alone
    QTest::newRow("exactly ten") << 10 << false;
    QTest::newRow("eleven") << 11 << false;
    QTest::newRow("a crash after twelve") << 12 << true;
}

void TestCrash::reportsTrimmedToNewestTen()
{
    QFETCH(int, existing);
    QFETCH(bool, crash);
    if (crash && CCrashReporter::UnderSanitizer())
        QSKIP("no crash reports under a sanitizer");
    const QString dir = CrashReportDir();
    QStringList expected;
    for (int i = 1; i <= existing; ++i)
        expected << MakeReport(dir, i);
    expected = expected.mid(existing + int(crash) - CCrashReporter::kMaxReports);
    // Leftovers of crashes that died mid-way: stale ones go, a fresh one
    // may still be written.
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    for (const char* name : {"crash-20230101-000000-000-1.txt.tmp", "crash-20230101-000000-000-2.log"}) {
        QFile file(dir + "/" + QString::fromLatin1(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    QVERIFY(TestPdf::WriteBytes(dir + "/crash-20990101-000000-000-3.log", QByteArray()));

    if (crash)
        QCOMPARE(TestEnv::RunChild(CRASH_CHILD, {"abort"}).status, QProcess::CrashExit);
    else
        QCOMPARE(CCrashReporter::TrimReports(dir), existing - CCrashReporter::kMaxReports);
    const QStringList reports = CCrashReporter::PendingReports(dir);
    QCOMPARE(reports.size(), CCrashReporter::kMaxReports);
    QCOMPARE(reports.mid(0, expected.size()), expected);
    // Each report keeps its log; the stale leftovers went.
    QCOMPARE(QDir(dir).entryList({"*.log"}, QDir::Files).size(), CCrashReporter::kMaxReports + 1);
    QCOMPARE(QDir(dir).entryList({"crash-2023*"}, QDir::Files), QStringList());
    if (crash) {
        QCOMPARE(CCrashReporter::ReadReportFields(reports.last()).value("Cause"), QString("abort"));
        QVERIFY(!CCrashReporter::LogCopyPath(reports.last()).isEmpty());
    }
}

void TestCrash::usageEventDeliveredOnce()
{
    const QString dir = TestEnv::MakeDir("events");
    const QString first = MakeReport(dir, 1, "due");
    MakeReport(dir, 2, "none");
    const QString third = MakeReport(dir, 3, "due");

    QCOMPARE(CCrashReporter::DeliverDueEvents(dir, CountingCallback), 2);
    QCOMPARE(g_eventSignals, QList<int>({SIGSEGV, SIGSEGV}));
    // A later start must not count the same crashes again.
    QCOMPARE(CCrashReporter::DeliverDueEvents(dir, CountingCallback), 0);
    QCOMPARE(g_eventSignals.size(), 2);
    QCOMPARE(CCrashReporter::PendingReports(dir).size(), 3);
    QCOMPARE(CCrashReporter::ReadReportFields(first).value("Usage event"), QString("sent"));
    QCOMPARE(CCrashReporter::ReadReportFields(third).value("Usage event"), QString("sent"));
}

void TestCrash::uploadOutcome_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("tried");
    QTest::addColumn<bool>("removed");

    QTest::newRow("accepted") << Mode::Respond << 200 << 2 << true;
    QTest::newRow("server error") << Mode::Respond << 500 << 2 << false;
    QTest::newRow("redirect is not acceptance") << Mode::Respond << 302 << 2 << false;
    // Unreachable: the second report waits for a later start untried.
    QTest::newRow("connection dropped") << Mode::Close << 0 << 1 << false;
    QTest::newRow("server down") << Mode::Down << 0 << 0 << false;
}

void TestCrash::uploadOutcome()
{
    QFETCH(Mode, mode);
    QFETCH(int, status);
    QFETCH(int, tried);
    QFETCH(bool, removed);

    const QString dir = CrashReportDir();
    const QStringList reports {MakeReport(dir, 1), MakeReport(dir, 2)};
    CannedServer server;
    server.Set(mode, status);
    qputenv("RVPDF_CRASH_URL", server.Url("/crash/v1/upload").toEncoded());

    MKBase::CCrashUploader* uploader = StartCrashUpload(500);
    QVERIFY(uploader);
    QSignalSpy finished(uploader, &MKBase::CCrashUploader::SignalFinished);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().at(0).toInt(), removed ? 2 : 0);
    QCOMPARE(finished.first().at(1).toInt(), removed ? 0 : 2);
    // Qt may resend a request once on a dropped connection: count reports.
    QSet<QByteArray> seen;
    for (const SeenRequest& request : qAsConst(server.requests)) {
        const int at = request.body.indexOf("filename=\"crash-");
        seen.insert(request.body.mid(at, request.body.indexOf(".txt", at) - at));
    }
    QCOMPARE(seen.size(), tried);
    for (const QString& report : reports) {
        QCOMPARE(QFile::exists(report), !removed);
        QCOMPARE(QFile::exists(report.chopped(4) + ".log"), !removed);
    }
}

void TestCrash::uploadCarriesReportAndLog()
{
    if (CCrashReporter::UnderSanitizer())
        QSKIP("no crash reports under a sanitizer");
    QCOMPARE(TestEnv::RunChild(CRASH_CHILD, {"abort"}).status, QProcess::CrashExit);
    const QStringList reports = CCrashReporter::PendingReports(CrashReportDir());
    QCOMPARE(reports.size(), 1);
    const QString reportName = QFileInfo(reports.first()).fileName();

    CannedServer server;
    server.Set(Mode::Respond, 200, "{}");
    qputenv("RVPDF_CRASH_URL", server.Url("/crash/v1/upload").toEncoded());
    MKBase::CCrashUploader* uploader = StartCrashUpload();
    QVERIFY(uploader);
    QSignalSpy finished(uploader, &MKBase::CCrashUploader::SignalFinished);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().at(0).toInt(), 1);

    QCOMPARE(server.requests.size(), 1);
    const SeenRequest request = server.requests.first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.target, QByteArray("/crash/v1/upload"));
    QVERIFY(request.headers.toLower().contains("content-type: multipart/form-data; boundary="));
    const QByteArray body = request.body;
    QVERIFY(body.contains("name=\"version\"\r\n\r\nlinux_" RVPDF_VERSION "\r\n"));
    QVERIFY(body.contains("name=\"database\"\r\n\r\nrvpdf_linux\r\n"));
    QVERIFY(body.contains("name=\"cause\"\r\n\r\nabort\r\n"));
    QVERIFY(body.contains("name=\"report\"; filename=\"" + reportName.toUtf8() + "\""));
    QVERIFY(body.contains("name=\"log\"; filename=\"" + reportName.chopped(4).toUtf8() + ".log\""));
    QCOMPARE(body.count("name=\"log\""), 1);
    QVERIFY(body.contains("crash child about to fail: abort"));
    QVERIFY(body.contains("\nStack:\n"));
    QCOMPARE(QDir(CrashReportDir()).entryList(QDir::Files), QStringList());
}

void TestCrash::switchStopsUploads_data()
{
    QTest::addColumn<QString>("env");
    QTest::addColumn<bool>("offInSettings");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("sends");
    QTest::newRow("turned off in Preferences") << "" << true << "" << false;
    QTest::newRow("environment 0 keeps a yes") << "0" << false << "" << true;
    // Which addresses pass is the rule's own table (tst_dialogs); here: the
    // uploader applies it, and keeps the report for a better address.
    QTest::newRow("plain http elsewhere") << "" << false << "http://crash.example/up" << false;
}

void TestCrash::switchStopsUploads()
{
    QFETCH(QString, env);
    QFETCH(bool, offInSettings);
    QFETCH(QString, address);
    QFETCH(bool, sends);

    if (!env.isEmpty())
        qputenv("RVPDF_DISABLE_REPORTS", env.toUtf8());
    if (offInSettings)
        MKBase::CReportConsent::getInstance()->Set(MKApplication::FrameworkSettingsPath(), true, false);
    const QString report = MakeReport(CrashReportDir(), 1, "due");
    CannedServer server;
    qputenv("RVPDF_CRASH_URL", address.isEmpty() ? server.Url("/crash/v1/upload").toEncoded() : address.toUtf8());

    MKBase::CCrashUploader* uploader = StartCrashUpload();
    QCOMPARE(uploader != nullptr, sends);
    if (!sends) {
        // Turned off, it never leaves the machine, so it is not kept either.
        QCOMPARE(QFile::exists(report), !address.isEmpty());
        QVERIFY(server.requests.isEmpty());
        return;
    }
    QSignalSpy finished(uploader, &MKBase::CCrashUploader::SignalFinished);
    QVERIFY(finished.wait(10000));
    QCOMPARE(server.requests.size(), 1);
    QVERIFY(!QFile::exists(report));
}

RV_TEST_MAIN(TestCrash)
#include "tst_crash.moc"
