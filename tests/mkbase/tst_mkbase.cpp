#include "CFileUtils.h"
#include "CJsonReader.h"
#include "CSystemUtils.h"
#include "FileSizeLimit.h"
#include "LoggerObject.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <unistd.h>

using namespace MKBase;

class TestMKBase : public QObject
{
    Q_OBJECT

private slots:
    void loggerWritesOneWholeUtf8LinePerEvent();
    void jsonReaderToleratesBadFiles_data();
    void jsonReaderToleratesBadFiles();
    void sameFileAcrossSpellings_data();
    void sameFileAcrossSpellings();
    void writesReplaceWholeOrNothing_data();
    void writesReplaceWholeOrNothing();
    void fileHelpers();
    void startupEnvironmentIsGivenBack_data();
    void startupEnvironmentIsGivenBack();
};

void TestMKBase::loggerWritesOneWholeUtf8LinePerEvent()
{
    const QString dir = TestEnv::MakeDir("log");
    QVERIFY(LoggerObject::InitLogger(QStringLiteral("PDF.log"), dir));
    QCOMPARE(LoggerObject::LogFilePath(), dir + "/log/PDF.log");
    LoggerObject::info(QStringLiteral("zweite Zeile mit Ümlaut und 中文"));
    LoggerObject::info(QStringLiteral("embedded\nnewline stays one line"));
    const int line = __LINE__ + 1;
    MK_LOG("value %d and %s", 42, "text");
    // Threads logging at once never tear a line.
    QList<QThread*> threads;
    for (int t = 0; t < 4; ++t) {
        threads << QThread::create([t]() {
            for (int i = 0; i < 500; ++i)
                LoggerObject::info(QStringLiteral("thread %1 line %2 end").arg(t).arg(i));
        });
        threads.last()->start();
    }
    for (QThread* thread : threads) {
        QVERIFY(thread->wait(10000));
        delete thread;
    }
    LoggerObject::ReleaseLogger();
    LoggerObject::info(QStringLiteral("after release goes nowhere"));
    const QStringList lines = QString::fromUtf8(TestPdf::ReadBytes(dir + "/log/PDF.log")).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.mid(0, 3), QStringList({QStringLiteral("zweite Zeile mit Ümlaut und 中文"), "embedded newline stays one line",
                                           QStringLiteral("value 42 and text ##loggerWritesOneWholeUtf8LinePerEvent:%1##").arg(line)}));
    QCOMPARE(lines.size(), 3 + 4 * 500);
    static const QRegularExpression whole("^thread \\d line \\d+ end$");
    for (const QString& threadLine : lines.mid(3))
        QVERIFY2(whole.match(threadLine).hasMatch(), qPrintable(threadLine));
    // A folder it cannot write: a clear failure, then silence.
    QVERIFY(!LoggerObject::InitLogger("PDF.log", (dir + "/log/PDF.log/below").toUtf8().constData()));
    QVERIFY(!LoggerObject::IsOpen());
    LoggerObject::info(QStringLiteral("nothing happens"));
}

void TestMKBase::jsonReaderToleratesBadFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("keys");
    QTest::newRow("missing file") << QByteArray() << false << 0;
    QTest::newRow("empty file") << QByteArray() << true << 0;
    QTest::newRow("truncated") << QByteArray("{\"BundleId\": \"RV") << true << 0;
    QTest::newRow("binary garbage") << TestPdf::Garbage(4096, 7) << true << 0;
    QTest::newRow("array instead of object") << QByteArray("[1, 2, 3]") << true << 0;
    QTest::newRow("valid object") << QByteArray("{\"qm\": \"common,core\", \"n\": 3}") << true << 2;
    // A file far larger than any configuration is refused, not read.
    QTest::newRow("far too large") << "{\"qm\": \"" + QByteArray(int(CJsonReader::kMaxFileSize), 'x') + "\"}" << true << 0;
}

void TestMKBase::jsonReaderToleratesBadFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, write);
    QFETCH(int, keys);
    const QString path = TestEnv::MakeDir("json") + "/file.json";
    if (write)
        QVERIFY(TestPdf::WriteBytes(path, content));
    QCOMPARE(CJsonReader::ParseJsonFileToObject(path).size(), keys);
    QVERIFY(CJsonReader::ParseJsonFile(path, "missing").isUndefined());
    QCOMPARE(CJsonReader::ParseJsonFile(path, "qm").toString(), keys ? QStringLiteral("common,core") : QString());
}

void TestMKBase::sameFileAcrossSpellings_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");
    const QString dir = TestEnv::MakeDir("same");
    QDir().mkpath(dir + "/sub");
    TestPdf::WriteBytes(dir + "/a.pdf", "a");
    TestPdf::WriteBytes(dir + "/b.pdf", "b");
    TestPdf::WriteBytes(dir + "/A.pdf", "A");
    QFile::link(dir + "/a.pdf", dir + "/link.pdf");
    QFile::link(dir + "/sub", dir + "/sublink");
    QVERIFY(::link(QFile::encodeName(dir + "/a.pdf").constData(), QFile::encodeName(dir + "/hard.pdf").constData()) == 0);

    QTest::newRow("identical") << dir + "/a.pdf" << dir + "/a.pdf" << true;
    QTest::newRow("dot dot") << dir + "/sub/../a.pdf" << dir + "/a.pdf" << true;
    QTest::newRow("symbolic link") << dir + "/link.pdf" << dir + "/a.pdf" << true;
    QTest::newRow("through linked folder") << dir + "/sublink/../a.pdf" << dir + "/a.pdf" << true;
    QTest::newRow("hard link") << dir + "/hard.pdf" << dir + "/a.pdf" << true;
    QTest::newRow("other file") << dir + "/b.pdf" << dir + "/a.pdf" << false;
    QTest::newRow("case differs") << dir + "/A.pdf" << dir + "/a.pdf" << false;
    QTest::newRow("one missing") << dir + "/gone.pdf" << dir + "/a.pdf" << false;
    QTest::newRow("both missing, same spelling") << dir + "/sub/../gone.pdf" << dir + "/gone.pdf" << true;
    QTest::newRow("both missing, different") << dir + "/gone1.pdf" << dir + "/gone2.pdf" << false;
    QTest::newRow("empty") << QString() << dir + "/a.pdf" << false;
}

void TestMKBase::sameFileAcrossSpellings()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);
    QCOMPARE(CFileUtils::IsTheSameFile(first, second), same);
    QCOMPARE(CFileUtils::IsTheSameFile(second, first), same);
}

void TestMKBase::writesReplaceWholeOrNothing_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("written") << "";
    QTest::newRow("read-only folder") << "folder";
    // Files may not grow beyond 100 bytes: the write fails when its buffer
    // reaches the disk, as on a full disk.
    QTest::newRow("disk full") << "full";
}

void TestMKBase::writesReplaceWholeOrNothing()
{
    QFETCH(QString, failure);
    if (failure == "folder" && ::geteuid() == 0)
        QSKIP("permissions do not stop root");
    const QString dir = TestEnv::MakeDir("write") + "/deep/er";
    const QString path = dir + "/list.json";
    const QByteArray old(300, 'o');
    QVERIFY(CFileUtils::WriteFileBytes(path, old));
    QCOMPARE(CFileUtils::ReadFileBytes(path), old);
    if (failure == "folder")
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    {
        FileSizeLimit full(failure == "full" ? 100 : RLIM_INFINITY);
        QVERIFY(full.IsActive());
        QCOMPARE(CFileUtils::WriteFileData(path, QString(500, 'n')), failure.isEmpty());
        QCOMPARE(CFileUtils::CopyFileHandle(path, dir + "/copy.json", true), failure.isEmpty());
    }
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(CFileUtils::ReadFileBytes(path), failure.isEmpty() ? QByteArray(500, 'n') : old);
    // No temporary files are left beside it.
    const QStringList left = failure.isEmpty() ? QStringList {"copy.json", "list.json"} : QStringList {"list.json"};
    QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), left);
    QVERIFY(!CFileUtils::WriteFileData(QString(), QStringLiteral("x")));
}

void TestMKBase::fileHelpers()
{
    const QString dir = TestEnv::MakeDir("copy");
    // The brand's defaults come read-only from the resources; the user's
    // copy must be writable.
    QVERIFY(CFileUtils::CopyFileHandle(":/res/conf/rv_overseas/setting/setting.ini", dir + "/s.ini", true));
    QVERIFY(CFileUtils::SetFileWritable(dir + "/s.ini", true) && (QFile::permissions(dir + "/s.ini") & QFile::WriteOwner));
    // A source that is not there copies nothing and makes nothing.
    QVERIFY(!CFileUtils::CopyFileHandle(dir + "/absent.ini", dir + "/x.ini", true));
    QVERIFY(!QFile::exists(dir + "/x.ini"));
    QVERIFY(!CFileUtils::SetFileWritable(dir + "/missing.ini", true));
    // Nothing to read, or a folder, reads as nothing.
    QVERIFY(CFileUtils::ReadFileData(dir + "/nothing/here").isEmpty() && CFileUtils::ReadFileData(dir).isEmpty());
    // An empty path never stands for the working folder.
    QVERIFY(!CFileUtils::MakeDirPath(QString()) && !CFileUtils::DeleteDirPath(QString()));
}

void TestMKBase::startupEnvironmentIsGivenBack_data()
{
    QTest::addColumn<QByteArray>("preset");
    QTest::newRow("not set") << QByteArray();
    QTest::newRow("the user's choice") << QByteArray("glx");
}

void TestMKBase::startupEnvironmentIsGivenBack()
{
    // What start-up sets for its own speed must not reach the programs it
    // starts later (browser, file manager, mail); the user's choice stays.
    QFETCH(QByteArray, preset);
    if (preset.isNull())
        qunsetenv("QT_XCB_GL_INTEGRATION");
    else
        qputenv("QT_XCB_GL_INTEGRATION", preset);
    CSystemUtils::SkipOpenGLIntegration();
    QCOMPARE(qgetenv("QT_XCB_GL_INTEGRATION"), preset.isNull() ? QByteArray("none") : preset);
    CSystemUtils::RestoreStartupEnvironment();
    // Children inherit this process's environment as it is now.
    QCOMPARE(qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"), !preset.isNull());
    QCOMPARE(qgetenv("QT_XCB_GL_INTEGRATION"), preset);
    qunsetenv("QT_XCB_GL_INTEGRATION");
}

RV_TEST_MAIN(TestMKBase)
#include "tst_mkbase.moc"
