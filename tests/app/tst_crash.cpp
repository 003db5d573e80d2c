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

QStringList ReportNames(const QString& dir)
{
    QStringList names;
    for (const QString& path : CCrashReporter::PendingReports(dir))
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace

// Real crashing child processes, and the next start's upload to a local server.
class TestCrash : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fatalConditionLeavesOneReport_data();
    void fatalConditionLeavesOneReport();
    void noReportWithoutReporter_data();
    void noReportWithoutReporter();
    void crashKeepsNewestTenReports();
    void trimKeepsNewestReports_data();
    void trimKeepsNewestReports();
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
    // The user said yes, unless a test says otherwise.
    MKBase::CReportConsent::getInstance()->Set(MKApplication::FrameworkSettingsPath(), true, true);
    g_eventSignals.clear();
}

void TestCrash::fatalConditionLeavesOneReport_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("signalName");
    QTest::addColumn<QString>("cause");
    QTest::newRow("null dereference") << "null" << SIGSEGV << "SIGSEGV" << "null pointer access";
    QTest::newRow("abort") << "abort" << SIGABRT << "SIGABRT" << "abort";
    QTest::newRow("std::terminate") << "terminate" << SIGABRT << "SIGABRT" << "std::terminate called";
    QTest::newRow("uncaught exception") << "exception" << SIGABRT << "SIGABRT" << "uncaught exception std::runtime_error: disk on fire";
    QTest::newRow("pure virtual call") << "pure-virtual" << SIGABRT << "SIGABRT" << "pure virtual function call";
    QTest::newRow("allocation failure") << "allocation" << SIGABRT << "SIGABRT" << "memory allocation failed";
    QTest::newRow("division by zero") << "divide" << SIGFPE << "SIGFPE" << "integer division by zero";
    QTest::newRow("stack overflow") << "stack-overflow" << SIGSEGV << "SIGSEGV" << "stack overflow";
    QTest::newRow("stack overflow on a render thread") << "worker-stack-overflow" << SIGSEGV << "SIGSEGV" << "stack overflow";
    QTest::newRow("illegal instruction") << "illegal" << SIGILL << "SIGILL" << "illegal instruction";
    QTest::newRow("bus error") << "bus" << SIGBUS << "SIGBUS" << "bus error";
}

void TestCrash::fatalConditionLeavesOneReport()
{
    QFETCH(QString, how);
    QFETCH(int, signal);
    QFETCH(QString, signalName);
    QFETCH(QString, cause);

    const TestEnv::ChildResult child = TestEnv::RunChild(CRASH_CHILD, {how});
    const QString dir = CrashReportDir();
    if (CCrashReporter::UnderSanitizer()) {
        // The sanitizer reports the failure; ours stays out of its way.
        QVERIFY2(child.out.contains("reporter installed: no"), child.out.constData());
        QVERIFY(child.status == QProcess::CrashExit || child.code != 0);
        QCOMPARE(CCrashReporter::PendingReports(dir).size(), 0);
        return;
    }
    QVERIFY2(child.out.contains("reporter installed: yes"), child.out.constData());
    // The process still dies of its own signal (QProcess gives the signal
    // as the code of a crash exit).
    QCOMPARE(child.status, QProcess::CrashExit);
    QCOMPARE(child.code, signal);

    const QStringList reports = CCrashReporter::PendingReports(dir);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(QDir(dir).entryList({"*.tmp"}, QDir::Files), QStringList());

    const QMap<QString, QString> fields = CCrashReporter::ReadReportFields(reports.first());
    QCOMPARE(fields.value("Version"), QString("linux_" RVPDF_VERSION));
    QCOMPARE(fields.value("Signal"), QStringLiteral("%1 %2").arg(signal).arg(signalName));
    QVERIFY2(fields.value("Cause").startsWith(cause), qPrintable(fields.value("Cause")));
    QCOMPARE(fields.value("Usage event"), QString("due"));
    QVERIFY(QDateTime::fromString(fields.value("Time"), Qt::ISODateWithMs).isValid());

    const QString text = QString::fromUtf8(TestPdf::ReadBytes(reports.first()));
    const QStringList stack = text.mid(text.indexOf("\nStack:\n") + 8).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(stack.size() >= 3, qPrintable(text));

    const QString log = CCrashReporter::LogCopyPath(reports.first());
    QVERIFY(!log.isEmpty());
    QCOMPARE(fields.value("Log copy"), QFileInfo(log).fileName());
    QVERIFY(QString::fromUtf8(TestPdf::ReadBytes(log)).contains("crash child about to fail: " + how));
}

void TestCrash::noReportWithoutReporter_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("env");
    QTest::addColumn<QString>("consent");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("crashes");

    QTest::newRow("brand without reports") << QStringList {"null", "zz", "overseas"} << QStringList() << "yes"
                                           << false << true;
    QTest::newRow("hd brand") << QStringList {"abort", "hd", "domestic"} << QStringList() << "yes" << false << true;
    QTest::newRow("off by environment") << QStringList {"null"} << QStringList {"RVPDF_DISABLE_REPORTS=1"} << "yes"
                                        << false << true;
    QTest::newRow("never asked") << QStringList {"null"} << QStringList() << "unasked" << false << true;
    QTest::newRow("answered no") << QStringList {"abort"} << QStringList() << "no" << false << true;
    QTest::newRow("environment 0 keeps a yes, no crash")
        << QStringList {"none"} << QStringList {"RVPDF_DISABLE_REPORTS=0"} << "yes" << true << false;
}

void TestCrash::noReportWithoutReporter()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, env);
    QFETCH(QString, consent);
    QFETCH(bool, installed);
    QFETCH(bool, crashes);

    if (consent == QLatin1String("unasked"))
        QSettings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat).remove("Reports");
    else
        MKBase::CReportConsent::getInstance()->Set(MKApplication::FrameworkSettingsPath(), true, consent == "yes");
    const TestEnv::ChildResult child = TestEnv::RunChild(CRASH_CHILD, args, env);
    QCOMPARE(child.out.contains("reporter installed: yes"), installed && !CCrashReporter::UnderSanitizer());
    // A sanitizer ends a failing process itself, with an exit code of its own.
    const bool died = child.status == QProcess::CrashExit || (CCrashReporter::UnderSanitizer() && child.code != 0);
    QCOMPARE(died, crashes);
    if (!crashes)
        QCOMPARE(child.code, 0);

    QDirIterator files(TestEnv::Root(), {"crash-*"}, QDir::Files, QDirIterator::Subdirectories);
    QVERIFY2(!files.hasNext(), qPrintable(files.hasNext() ? files.next() : QString()));
}

void TestCrash::crashKeepsNewestTenReports()
{
    if (CCrashReporter::UnderSanitizer())
        QSKIP("no crash reports under a sanitizer");
    const QString dir = CrashReportDir();
    for (int i = 1; i <= 12; ++i)
        QVERIFY(!MakeReport(dir, i).isEmpty());

    const TestEnv::ChildResult child = TestEnv::RunChild(CRASH_CHILD, {"abort"});
    QCOMPARE(child.status, QProcess::CrashExit);

    const QStringList reports = CCrashReporter::PendingReports(dir);
    QCOMPARE(reports.size(), CCrashReporter::kMaxReports);
    // The three oldest went (which files go with them: trimKeepsNewestReports);
    // the new report is the newest.
    QVERIFY(reports.first().contains("-000004-"));
    QCOMPARE(CCrashReporter::ReadReportFields(reports.last()).value("Cause"), QString("abort"));
    QVERIFY(!CCrashReporter::LogCopyPath(reports.last()).isEmpty());
}

void TestCrash::trimKeepsNewestReports_data()
{
    QTest::addColumn<int>("existing");
    QTest::addColumn<int>("kept");
    QTest::newRow("exactly ten") << 10 << 10;
    QTest::newRow("eleven") << 11 << 10;
}

void TestCrash::trimKeepsNewestReports()
{
    QFETCH(int, existing);
    QFETCH(int, kept);

    const QString dir = TestEnv::MakeDir("trim");
    QStringList expected;
    for (int i = 1; i <= existing; ++i) {
        const QString path = MakeReport(dir, i);
        if (i > existing - kept)
            expected << QFileInfo(path).fileName();
    }
    // Leftovers of crashes that died mid-way: stale ones go, a fresh one
    // may still be written.
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    for (const char* name : {"crash-20230101-000000-000-1.txt.tmp", "crash-20230101-000000-000-2.log"}) {
        QFile file(dir + "/" + QString::fromLatin1(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    QFile fresh(dir + "/crash-20990101-000000-000-3.log");
    QVERIFY(fresh.open(QIODevice::WriteOnly));
    fresh.close();

    QCOMPARE(CCrashReporter::TrimReports(dir), existing - kept);
    QCOMPARE(ReportNames(dir), expected);
    QCOMPARE(QDir(dir).entryList({"*.log"}, QDir::Files).size(), kept + 1);
    QVERIFY(!QFile::exists(dir + "/crash-20230101-000000-000-1.txt.tmp"));
    QVERIFY(!QFile::exists(dir + "/crash-20230101-000000-000-2.log"));
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
