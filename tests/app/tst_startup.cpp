#include "app/AppStartup.h"
#include "windows/CLaunchRequest.h"
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
    void launchRequests_data();
    void launchRequests();
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
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QByteArray>("logged"); // a part of stderr
    QTest::newRow("version") << "--version" << 0 << QByteArray("RVPDF " RVPDF_VERSION "\n") << QStringList()
                             << QByteArray();
    QTest::newRow("help") << "--help" << 0 << QByteArray("Usage: rvpdf [--page N] [--find TEXT] [--] [file]\n")
                          << QStringList() << QByteArray();
    QTest::newRow("unknown option") << "--unknown" << 1 << QByteArray("Unknown option 'unknown'.") << QStringList()
                                    << QByteArray();
    QTest::newRow("unknown short option") << "-x" << 1 << QByteArray("Unknown option 'x'.") << QStringList()
                                          << QByteArray();
    QTest::newRow("standard input") << "-" << 1 << QByteArray("standard input is not supported") << QStringList()
                                    << QByteArray();
    // Recognition runs a page per worker: the recognizer's own threads on
    // top only slowed it down. A limit the user set stays theirs.
    QTest::newRow("recognizer threads limited")
        << "--version" << 0 << QByteArray("RVPDF ") << QStringList {"OMP_DISPLAY_ENV=true"}
        << QByteArray("OMP_THREAD_LIMIT = '1'");
    QTest::newRow("user's thread limit kept")
        << "--version" << 0 << QByteArray("RVPDF ") << QStringList {"OMP_DISPLAY_ENV=true", "OMP_THREAD_LIMIT=3"}
        << QByteArray("OMP_THREAD_LIMIT = '3'");
}

void TestStartup::commandLineOptions()
{
    // Help and version are printed and gone: no window, no log, and a
    // running instance is neither needed nor told.
    QFETCH(QString, option);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, printed);
    QFETCH(QStringList, environment);
    QFETCH(QByteArray, logged);
    QFile::remove(TestEnv::Root() + "/state/rvpdf/log/PDF.log");
    const TestEnv::ChildResult run
        = TestEnv::RunChild(RVPDF_BINARY, {option, TestEnv::Root() + "/x.pdf"}, environment, 20000);
    QCOMPARE(run.ExitCode(), exitCode);
    QVERIFY2(exitCode ? run.err.contains(printed) : run.out.startsWith(printed), qPrintable(run.Output()));
    QVERIFY2(run.err.contains(logged), qPrintable(run.Output()));
    QVERIFY(exitCode || !QFile::exists(TestEnv::Root() + "/state/rvpdf/log/PDF.log"));
}

void TestStartup::launchRequests_data()
{
    // Arguments after the program, the launch's folder ("" for a hand-over),
    // and what is read: file|page|find, or the mistake.
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("read");
    QTest::newRow("a file") << QStringList {"a.pdf"} << "/home/u" << "/home/u/a.pdf|0|";
    QTest::newRow("only the first file") << QStringList {"/x/a.pdf", "/x/b.pdf"} << "/" << "/x/a.pdf|0|";
    QTest::newRow("a file named like an option") << QStringList {"--", "-x.pdf"} << "/d" << "/d/-x.pdf|0|";
    QTest::newRow("page and text") << QStringList {"--page", "3", "--find", " word ", "a.pdf"} << "/d" << "/d/a.pdf|3|word";
    QTest::newRow("file URL") << QStringList {"file:///tmp/a%20b.pdf"} << "/d" << "/tmp/a b.pdf|0|";
    QTest::newRow("web address kept") << QStringList {"https://example.org/a.pdf"} << "/d" << "https://example.org/a.pdf|0|";
    QTest::newRow("page not a number") << QStringList {"--page=two", "a.pdf"} << "/d" << "--page needs a page number";
    QTest::newRow("page zero") << QStringList {"--page=0", "a.pdf"} << "/d" << "--page needs a page number";
    QTest::newRow("nothing to find") << QStringList {"--find=  ", "a.pdf"} << "/d" << "--find needs a text";
    QTest::newRow("unknown option") << QStringList {"--bogus", "a.pdf"} << "/d" << "Unknown option 'bogus'.";
    QTest::newRow("option without its value") << QStringList {"a.pdf", "--page"} << "/d" << "Missing value after '--page'.";
    QTest::newRow("relative file handed over") << QStringList {"a.pdf"} << "" << "A relative file name cannot be handed over.";
}

void TestStartup::launchRequests()
{
    QFETCH(QStringList, args);
    QFETCH(QString, dir);
    QFETCH(QString, read);
    const CLaunchRequest launch = CLaunchRequest::Parse(QStringList {"rvpdf"} + args, dir);
    if (!launch.error.isEmpty()) {
        QVERIFY2(launch.error.startsWith(read), qPrintable(launch.error));
        return;
    }
    QCOMPARE(QStringLiteral("%1|%2|%3").arg(launch.file).arg(launch.page).arg(launch.find), read);
    // What it hands over reads back the same in the running instance.
    const CLaunchRequest again = CLaunchRequest::Parse(launch.HandOver(), QString());
    QCOMPARE(QStringLiteral("%1|%2|%3").arg(again.file).arg(again.page).arg(again.find), read);
}

RV_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
