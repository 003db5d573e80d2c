#include "FuzzTarget.h"
#include "TestMain.h"

#include <QDir>

// Runs every fuzz target on its checked-in seeds and on every input a fuzzing
// run found a fault with, so a fixed fault stays fixed.
class TestFuzzReplay : public QObject
{
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
};

void TestFuzzReplay::replay_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("path");
    QVERIFY(!Fuzz::Targets().isEmpty());
    for (int i = 0; i < Fuzz::Targets().size(); ++i) {
        const QString name = Fuzz::Targets().at(i).name;
        int seeds = 0;
        for (const char* folder : {"corpus", "regressions"}) {
            const QDir dir(QStringLiteral(RVPDF_FUZZ_DIR "/%1/%2").arg(folder, name));
            for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
                QTest::addRow("%s/%s/%s", folder, qPrintable(name), qPrintable(file)) << i << dir.filePath(file);
                seeds += folder == QLatin1String("corpus");
            }
        }
        // A target without seeds would start from nothing in every run.
        QVERIFY2(seeds > 0, qPrintable(name));
    }
}

void TestFuzzReplay::replay()
{
    QFETCH(int, target);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // A fault aborts the process (or the sanitizer stops it): the run fails.
    Fuzz::Targets().at(target).function(file.readAll());
}

RV_TEST_MAIN(TestFuzzReplay)
#include "tst_fuzz_replay.moc"
