#include "TestMain.h"
#include "TestPdf.h"
#include "app/AppStartup.h"

#include <QFile>
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
    void infoOptionsPrintAndLeave_data();
    void infoOptionsPrintAndLeave();

private:
    QString LogText() const;
    int Run(const QStringList& args, QByteArray* err = nullptr, const QStringList& extraEnv = {});
};

QString TestStartup::LogText() const
{
    return QString::fromUtf8(TestPdf::ReadBytes(TestEnv::Root() + "/data/rvpdf/log/PDF.log"));
}

int TestStartup::Run(const QStringList& args, QByteArray* err, const QStringList& extraEnv)
{
    const TestEnv::ChildResult run = TestEnv::RunChild(RVPDF_BINARY, args, extraEnv, 20000);
    if (err)
        *err = run.err;
    return run.ExitCode();
}

void TestStartup::bundleIdOfEachBrand_data()
{
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("key");
    QTest::newRow("rv overseas") << "rv"
                                 << "overseas"
                                 << "RVPDF";
    QTest::newRow("hd domestic") << "hd"
                                 << "domestic"
                                 << "HaldenPDF";
    QTest::newRow("no such brand") << "zz"
                                   << "overseas"
                                   << "MarvikPDF";
    QTest::newRow("empty names") << ""
                                 << ""
                                 << "MarvikPDF";
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
    QVERIFY2(log.contains(QRegularExpression("^AppVersion:2\\.0\\.0\\.4 ##main:\\d+##$", QRegularExpression::MultilineOption)), qPrintable(log));

    QVERIFY2(log.contains(QRegularExpression("\nApp Exit ##main:\\d+##\n")), qPrintable(log));
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
    const TestEnv::ChildResult run = TestEnv::RunChild(RVPDF_BINARY, {option, TestEnv::Root() + "/x.pdf"}, {}, 10000);
    QCOMPARE(run.ExitCode(), 0);
    QVERIFY2(run.out.startsWith(printed), qPrintable(option));
    QVERIFY(!QFile::exists(TestEnv::Root() + "/data/rvpdf/log/PDF.log"));
}

RV_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
