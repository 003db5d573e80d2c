#include "app/AppStartup.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QFile>
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
    void unknownOptionExitsWithParserMessage();
    void infoOptionsPrintAndLeave_data();
    void infoOptionsPrintAndLeave();
};

void TestStartup::bundleIdOfEachBrand_data()
{
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("key");
    QTest::newRow("rv overseas") << "rv" << "overseas" << "RVPDF";
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

void TestStartup::unknownOptionExitsWithParserMessage()
{
    const TestEnv::ChildResult run = TestEnv::RunChild(RVPDF_BINARY, {"--unknown"}, {}, 20000);
    QCOMPARE(run.ExitCode(), 1);
    QVERIFY2(run.err.contains("Unknown option 'unknown'."), run.err.constData());
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
