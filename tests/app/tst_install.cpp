#include "CAssocUtils.h"
#include "CMimeAppsList.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "app/CommandParser.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

using MKBase::CAssocUtils;
using MKBase::CMimeAppsList;

namespace {

const QString kId = QStringLiteral("org.rvpdf.RVPDF.desktop");
const QString kPdf = QStringLiteral("application/pdf");

// Another application's associations, as a user's file holds them.
const QByteArray kOthersList =
    "# managed by hand\n"
    "[Default Applications]\n"
    "application/pdf=reader.desktop;\n"
    "text/plain=editor.desktop\n"
    "\n"
    "[Added Associations]\n"
    "application/pdf=reader.desktop;printer.desktop;\n"
    "\n"
    "[Removed Associations]\n"
    "image/png=oldviewer.desktop;\n";

QString DataDir()
{
    return TestEnv::Root() + "/data";
}

QString EntryPath()
{
    return DataDir() + "/applications/" + kId;
}

QString ListPath()
{
    return TestEnv::Root() + "/config/mimeapps.list";
}

QString SettingPath()
{
    return TestEnv::Root() + "/config/rvpdf/setting.ini";
}

QString LogPath()
{
    return TestEnv::Root() + "/state/rvpdf/log/PDF.log";
}

QString RecentPath()
{
    return TestEnv::Root() + "/state/rvpdf/recentfiles.json";
}

QString DefaultViewer()
{
    QSettings settings(SettingPath(), QSettings::IniFormat);
    return settings.value("Default_Viewer").toString();
}

void SetDefaultViewer(bool value)
{
    QDir().mkpath(QFileInfo(SettingPath()).absolutePath());
    QSettings settings(SettingPath(), QSettings::IniFormat);
    settings.setValue("Default_Viewer", value);
    settings.sync();
}

// Runs the binary to its end. The start-up probe is on, so a window that
// got painted would show as "painted" on stdout.
TestEnv::ChildResult Run(const QStringList& args, const QString& probe = "1")
{
    return TestEnv::RunChild(RVPDF_BINARY, args, {"RVPDF_STARTUP_PROBE=" + probe}, 20000);
}

// The first instance of a test; always ended with the test.
class FirstInstance
{
public:
    ~FirstInstance()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
        }
    }
    QProcess process;
};

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void installRegisters_data();
    void installRegisters();
    void installWithoutValueWritesNothing();
    void uninstallDoesNotOpenTheFile();
    void runningInstanceRegistersNothing_data();
    void runningInstanceRegistersNothing();
};

void TestInstall::initTestCase()
{
    // System folders of the lookup are private too: the assertions must not
    // depend on what this machine has installed.
    const QString etc = TestEnv::MakeDir("install-etc");
    const QString share = TestEnv::MakeDir("install-share");
    qputenv("XDG_CONFIG_DIRS", etc.toLocal8Bit());
    qputenv("XDG_DATA_DIRS", share.toLocal8Bit());
}

void TestInstall::init()
{
    QFile::remove(EntryPath());
    QFile::remove(ListPath());
    QFile::remove(SettingPath());
    QFile::remove(RecentPath());
}

void TestInstall::installRegisters_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("makeDefault");
    QTest::addColumn<bool>("withOthers");
    QTest::newRow("install=1, other apps") << QStringList{"--install=1"} << true << true;
    QTest::newRow("install 0, other apps") << QStringList{"--install", "0"} << false << true;
    QTest::newRow("install abc") << QStringList{"--install", "abc"} << false << false;
}

// Install, check, uninstall: the user's file ends as it began.
void TestInstall::installRegisters()
{
    QFETCH(QStringList, args);
    QFETCH(bool, makeDefault);
    QFETCH(bool, withOthers);
    if (withOthers)
        QVERIFY(TestPdf::WriteBytes(ListPath(), kOthersList));
    SetDefaultViewer(!makeDefault);

    const TestEnv::ChildResult run = Run(args);
    QCOMPARE(run.ExitCode(), 0);
    QVERIFY2(!run.out.contains("painted"), run.out.constData());
    QCOMPARE(DefaultViewer(), makeDefault ? QStringLiteral("true") : QStringLiteral("false"));

    // The entry starts the binary that was run (what else it holds: tst_assoc).
    CMimeAppsList entry;
    QCOMPARE(entry.Load(EntryPath()), CMimeAppsList::Loaded);
    QCOMPARE(entry.Values("Desktop Entry", "TryExec"), QStringList({QFileInfo(RVPDF_BINARY).canonicalFilePath()}));
    CMimeAppsList list;
    QCOMPARE(list.Load(ListPath()), CMimeAppsList::Loaded);
    QCOMPARE(list.Values(CMimeAppsList::kAddedGroup, kPdf).value(0), kId);
    QCOMPARE(list.Values(CMimeAppsList::kDefaultGroup, kPdf).value(0) == kId, makeDefault);
    QCOMPARE(CAssocUtils::IsPdfLauncher("org.rvpdf.RVPDF"), makeDefault);

    const TestEnv::ChildResult uninstall = Run({"--uninstall"});
    QCOMPARE(uninstall.ExitCode(), 0);
    QVERIFY(!uninstall.out.contains("painted"));
    QVERIFY(!QFileInfo::exists(EntryPath()));
    QCOMPARE(QFileInfo::exists(ListPath()), withOthers);
    QCOMPARE(TestPdf::ReadBytes(ListPath()), withOthers ? kOthersList : QByteArray());
    QCOMPARE(DefaultViewer(), makeDefault ? QStringLiteral("true") : QStringLiteral("false"));
}

void TestInstall::installWithoutValueWritesNothing()
{
    QVERIFY(TestPdf::WriteBytes(ListPath(), kOthersList));
    SetDefaultViewer(true);
    const TestEnv::ChildResult run = Run({"--install"});
    QCOMPARE(run.ExitCode(), 1);
    QVERIFY2(run.err.contains("Missing value after '--install'."), run.err.constData());
    QVERIFY(!run.out.contains("painted"));
    QVERIFY(!QFileInfo::exists(EntryPath()));
    QCOMPARE(TestPdf::ReadBytes(ListPath()), kOthersList);
    QCOMPARE(DefaultViewer(), QStringLiteral("true"));
}

void TestInstall::uninstallDoesNotOpenTheFile()
{
    const QString pdf = TestEnv::MakeDir("install-open") + "/uninstall-me.pdf";
    QVERIFY(TestPdf::Write(pdf, 1));

    const TestEnv::ChildResult run = Run({"--uninstall", pdf}, "page");
    QCOMPARE(run.ExitCode(), 0);
    QVERIFY2(!run.out.contains("painted"), run.out.constData());
    QVERIFY(!TestPdf::ReadBytes(RecentPath()).contains("uninstall-me.pdf"));

    // The same file without the option does open and is remembered: the
    // checks above would have seen it.
    const TestEnv::ChildResult open = Run({pdf}, "page");
    QCOMPARE(open.ExitCode(), 0);
    QVERIFY2(open.out.contains("painted"), open.err.constData());
    QVERIFY(TestPdf::ReadBytes(RecentPath()).contains("uninstall-me.pdf"));
}

void TestInstall::runningInstanceRegistersNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("registered");
    QTest::newRow("install 1") << QStringList{"--install", "1"} << false;
    QTest::newRow("uninstall keeps the registration") << QStringList{"--uninstall"} << true;
}

void TestInstall::runningInstanceRegistersNothing()
{
    QFETCH(QStringList, args);
    QFETCH(bool, registered);
    QVERIFY(TestPdf::WriteBytes(ListPath(), kOthersList));
    if (registered) {
        // Registered in this process: the files are the same whoever writes them.
        QVERIFY(CAssocUtils::SetPdfLauncher("org.rvpdf.RVPDF", "RVPDF", true));
    }
    SetDefaultViewer(registered);
    const QByteArray listBefore = TestPdf::ReadBytes(ListPath());
    const QByteArray entryBefore = TestPdf::ReadBytes(EntryPath());
    QFile::remove(LogPath());

    FirstInstance first;
    first.process.setProcessEnvironment(TestEnv::ChildEnvironment());
    first.process.start(RVPDF_BINARY, QStringList());
    QVERIFY(first.process.waitForStarted());
    (void)QTest::qWaitFor([&]() {
        return first.process.state() != QProcess::Running
            || QString::fromUtf8(TestPdf::ReadBytes(LogPath())).contains("AppVersion:");
    }, 20000);
    QVERIFY2(first.process.state() == QProcess::Running, first.process.readAllStandardError().constData());
    QVERIFY(QString::fromUtf8(TestPdf::ReadBytes(LogPath())).contains("AppVersion:"));

    const TestEnv::ChildResult run = Run(args);
    QCOMPARE(run.ExitCode(), 0);
    QVERIFY(!run.out.contains("painted"));
    QCOMPARE(QFileInfo::exists(EntryPath()), registered);
    QCOMPARE(TestPdf::ReadBytes(EntryPath()), entryBefore);
    QCOMPARE(TestPdf::ReadBytes(ListPath()), listBefore);
    QCOMPARE(DefaultViewer(), registered ? QStringLiteral("true") : QStringLiteral("false"));
    // The running instance was only raised (it opens nothing), and only it
    // started up.
    QTRY_VERIFY_WITH_TIMEOUT(QString::fromUtf8(TestPdf::ReadBytes(LogPath())).contains("launch hand-over: 1 argument(s)"), 5000);
    QCOMPARE(QString::fromUtf8(TestPdf::ReadBytes(LogPath())).count("AppVersion:"), 1);
    QCOMPARE(first.process.state(), QProcess::Running);
    if (registered)
        QVERIFY(CAssocUtils::ResetPdfLauncher("org.rvpdf.RVPDF"));
}

RV_TEST_MAIN(TestInstall)
#include "tst_install.moc"
