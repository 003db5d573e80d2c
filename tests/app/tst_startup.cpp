#include "app/AppStartup.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QFile>

// Runs the real executable with this test's private folders.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void bundleId_data();
    void bundleId();
    void argumentListKeepsEveryArgument();
    void commandLineOptions_data();
    void commandLineOptions();
};

void TestStartup::bundleId_data()
{
    // A brand's own file, or product.json holding content.
    QTest::addColumn<QStringList>("brand");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key");
    QTest::newRow("rv overseas") << QStringList {"rv", "overseas"} << QByteArray() << "RVPDF";
    QTest::newRow("hd domestic") << QStringList {"hd", "domestic"} << QByteArray() << "HaldenPDF";
    QTest::newRow("no such brand") << QStringList {"zz", "overseas"} << QByteArray() << "MarvikPDF";
    QTest::newRow("empty names") << QStringList {"", ""} << QByteArray() << "MarvikPDF";
    // Damaged files read as no file at all (the base test's JSON reader table).
    QTest::newRow("no key") << QStringList() << QByteArray("{\"Title\": \"X\"}") << "MarvikPDF";
    QTest::newRow("good file") << QStringList() << QByteArray("{\"BundleId\": \"Other\"}") << "Other";
}

void TestStartup::bundleId()
{
    QFETCH(QStringList, brand);
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    if (!brand.isEmpty()) {
        QCOMPARE(ReadBundleId(brand.at(0), brand.at(1)), key);
        return;
    }
    const QString path = TestEnv::MakeDir("product") + "/product.json";
    QVERIFY(TestPdf::WriteBytes(path, content));
    QCOMPARE(ReadBundleIdFromFile(path), key);
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

void TestStartup::commandLineOptions_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("printed"); // the start of stdout, or on failure a part of stderr
    QTest::newRow("version") << "--version" << 0 << QByteArray("RVPDF " RVPDF_VERSION "\n");
    QTest::newRow("help") << "--help" << 0 << QByteArray("Usage: rvpdf [file]\n");
    QTest::newRow("unknown option") << "--unknown" << 1 << QByteArray("Unknown option 'unknown'.");
}

void TestStartup::commandLineOptions()
{
    // Help and version are printed and gone: no window, no log, and a
    // running instance is neither needed nor told.
    QFETCH(QString, option);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, printed);
    QFile::remove(TestEnv::Root() + "/state/rvpdf/log/PDF.log");
    const TestEnv::ChildResult run = TestEnv::RunChild(RVPDF_BINARY, {option, TestEnv::Root() + "/x.pdf"}, {}, 20000);
    QCOMPARE(run.ExitCode(), exitCode);
    QVERIFY2(exitCode ? run.err.contains(printed) : run.out.startsWith(printed), qPrintable(run.Output()));
    QVERIFY(exitCode || !QFile::exists(TestEnv::Root() + "/state/rvpdf/log/PDF.log"));
}

RV_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
