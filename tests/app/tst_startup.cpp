#include "app/AppStartup.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

#include <unistd.h>

// Runs the real executable with this test's private folders.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void bundleIdOfEachBrand_data();
    void bundleIdOfEachBrand();
    void bundleIdFromBadFiles_data();
    void bundleIdFromBadFiles();
    void argumentListKeepsEveryArgument();
    void unknownOptionExitsWithParserMessage();
    void normalRunLogsVersionAndExitLine();
    void installCommands_data();
    void installCommands();
    void infoOptionsPrintAndLeave_data();
    void infoOptionsPrintAndLeave();

private:
    QString LogText() const;
    int Run(const QStringList& args, QByteArray* err = nullptr, const QStringList& extraEnv = {});
};

QString TestStartup::LogText() const
{
    QFile log(TestEnv::Root() + "/data/rvpdf/log/PDF.log");
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

int TestStartup::Run(const QStringList& args, QByteArray* err, const QStringList& extraEnv)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : extraEnv)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    process.setProcessEnvironment(env);
    process.start(RVPDF_BINARY, args);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return -100;
    }
    if (err)
        *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -200;
}

void TestStartup::bundleIdOfEachBrand_data()
{
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("key");
    QTest::newRow("rv overseas") << "rv" << "overseas" << "RVPDF";
    QTest::newRow("mk overseas") << "mk" << "overseas" << "MarvikPDF";
    QTest::newRow("mk domestic") << "mk" << "domestic" << "MarvikPDFCN";
    QTest::newRow("hd domestic") << "hd" << "domestic" << "HaldenPDF";
    QTest::newRow("no such brand") << "zz" << "overseas" << "MarvikPDF";
    QTest::newRow("empty names") << "" << "" << "MarvikPDF";
}

void TestStartup::bundleIdOfEachBrand()
{
    QFETCH(QString, bundle);
    QFETCH(QString, region);
    QFETCH(QString, key);
    QCOMPARE(ReadBundleId(bundle, region), key);
}

void TestStartup::bundleIdFromBadFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key");
    QTest::newRow("empty") << QByteArray() << "MarvikPDF";
    QTest::newRow("truncated") << QByteArray("{\"BundleId\": \"Other") << "MarvikPDF";
    QTest::newRow("garbage") << TestPdf::Garbage(300, 11) << "MarvikPDF";
    QTest::newRow("no key") << QByteArray("{\"Title\": \"X\"}") << "MarvikPDF";
    QTest::newRow("array") << QByteArray("[\"BundleId\"]") << "MarvikPDF";
    QTest::newRow("good") << QByteArray("{\"BundleId\": \"Other\"}") << "Other";
}

void TestStartup::bundleIdFromBadFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    const QString path = TestEnv::MakeDir("product") + "/product.json";
    QVERIFY(TestPdf::WriteBytes(path, content));
    QCOMPARE(ReadBundleIdFromFile(path), key);
    if (::geteuid() != 0) {
        QFile::setPermissions(path, QFileDevice::Permissions());
        QCOMPARE(ReadBundleIdFromFile(path), QStringLiteral("MarvikPDF"));
    }
}

void TestStartup::argumentListKeepsEveryArgument()
{
    char prog[] = "/usr/bin/rvpdf";
    char a[] = "/tmp/a b.pdf";
    char b[] = "--install";
    char* argv[] = {prog, a, b, nullptr};
    QCOMPARE(BuildArgumentList(3, argv), QStringList({"/usr/bin/rvpdf", "/tmp/a b.pdf", "--install"}));
    QCOMPARE(BuildArgumentList(0, argv), QStringList());
}

void TestStartup::unknownOptionExitsWithParserMessage()
{
    QByteArray err;
    QCOMPARE(Run({"--unknown"}, &err), 1);
    QVERIFY2(err.contains("Unknown option 'unknown'."), err.constData());
}

void TestStartup::normalRunLogsVersionAndExitLine()
{
    QFile::remove(TestEnv::Root() + "/data/rvpdf/log/PDF.log");
    QCOMPARE(Run({}, nullptr, {"RVPDF_STARTUP_PROBE=1"}), 0);
    const QString log = LogText();
    QVERIFY2(log.contains(QRegularExpression("^AppVersion:2\\.0\\.0\\.4 ##main:\\d+##$",
                                             QRegularExpression::MultilineOption)),
             qPrintable(log));

    // The exit line names the real source line of its statement.
    QFile source(RVPDF_SOURCE_DIR "/src/app/main.cpp");
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(source.readAll()).split('\n');
    int exitLine = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].contains("MK_LOG(\"App Exit\")"))
            exitLine = i + 1;
    }
    QVERIFY(exitLine > 0);
    QVERIFY2(log.contains(QStringLiteral("\nApp Exit ##main:%1##\n").arg(exitLine)), qPrintable(log));
}

void TestStartup::installCommands_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("defaultViewer");
    QTest::newRow("install 1") << QStringList{"--install", "1"} << 0 << "true";
    QTest::newRow("install=0") << QStringList{"--install=0"} << 0 << "false";
    QTest::newRow("install not a number") << QStringList{"--install", "yes"} << 0 << "false";
    QTest::newRow("install without value") << QStringList{"--install"} << 1 << "";
    QTest::newRow("uninstall with a file") << QStringList{"--uninstall", "/tmp/x.pdf"} << 0 << "";
}

void TestStartup::installCommands()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, defaultViewer);
    const QString settingFile = TestEnv::Root() + "/data/rvpdf/setting/setting.ini";
    QFile::remove(settingFile);
    // No window may appear: the probe would quit on one, but the command
    // must end the process before any window exists.
    QCOMPARE(Run(args), exitCode);
    if (defaultViewer.isEmpty()) {
        if (QFile::exists(settingFile)) {
            QSettings settings(settingFile, QSettings::IniFormat);
            QCOMPARE(settings.value("Default_Viewer").toString(), QStringLiteral("false"));
        }
        return;
    }
    QSettings settings(settingFile, QSettings::IniFormat);
    QCOMPARE(settings.value("Default_Viewer").toString(), defaultViewer);
}

void TestStartup::infoOptionsPrintAndLeave_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("printed");
    QTest::newRow("version") << "--version" << QByteArray("RVPDF " RVPDF_VERSION "\n");
    QTest::newRow("help") << "--help" << QByteArray("Usage: rvpdf [file]\n");
}

void TestStartup::infoOptionsPrintAndLeave()
{
    // Printed and gone: no window, no log, and a running instance is neither
    // needed nor told.
    QFETCH(QString, option);
    QFETCH(QByteArray, printed);
    QFile::remove(TestEnv::Root() + "/data/rvpdf/log/PDF.log");
    QProcess process;
    process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    process.start(RVPDF_BINARY, {option, TestEnv::Root() + "/x.pdf"});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(process.readAllStandardOutput().startsWith(printed), qPrintable(option));
    QVERIFY(!QFile::exists(TestEnv::Root() + "/data/rvpdf/log/PDF.log"));
}

RV_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
