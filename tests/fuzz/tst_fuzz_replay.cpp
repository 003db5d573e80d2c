#include "FuzzTarget.h"
#include "TestMain.h"

#include <QDir>

// Runs every fuzz target on its seeds (checked in, and the variants the build
// derives from them) and on every input a fuzzing run found a fault with, so
// a fixed fault stays fixed.
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
        const QString folders[] = {RVPDF_FUZZ_DIR "/corpus", RVPDF_FUZZ_DERIVED_DIR, RVPDF_FUZZ_DIR "/regressions"};
        for (const QString& folder : folders) {
            const QDir dir(folder + '/' + name);
            const QString kind = QDir(folder).dirName();
            for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
                QTest::addRow("%s/%s/%s", qPrintable(kind), qPrintable(name), qPrintable(file)) << i << dir.filePath(file);
                seeds += kind != QLatin1String("regressions");
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
