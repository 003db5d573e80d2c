#include "CannedServer.h"
#include "JourneyUser.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestX11.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace {

// xdg-mime as the user runs it; its output.
QString XdgMime(const JourneyUser& user, const QStringList& args)
{
    QProcess mime;
    mime.setProcessEnvironment(user.Environment());
    mime.start("xdg-mime", args);
    return mime.waitForFinished(10000) ? QString::fromUtf8(mime.readAllStandardOutput()).trimmed() : "failed";
}

QString DefaultViewer(const JourneyUser& user)
{
    return XdgMime(user, {"query", "default", "application/pdf"});
}

// A profile as an older version left it, all in one folder: each item
// with where it lives now ("@" the state folder, otherwise below the
// user's root) and its content.
struct ProfileItem
{
    QString old;
    QString now;
    QByteArray content;
};

QList<ProfileItem> OlderProfile(const QString& doc)
{
    QByteArray settings = TestPdf::ReadBytes(":/res/conf/rv_overseas/setting/setting.ini");
    settings.replace("Page_Layout=1", "Page_Layout=3");
    const QJsonObject record {{"path", doc}, {"fileSize", 1234.0}, {"openTime", 1700000000}, {"pin", true}};
    const QJsonObject tab {{"path", doc}};
    const QJsonObject session {{"version", 1}, {"windows", QJsonArray {QJsonObject {{"tabs", QJsonArray {tab}}}}}};
    const QString copy = QCryptographicHash::hash("/home/u/draft.pdf", QCryptographicHash::Sha1).toHex() + ".json";
    return {
        {"setting/setting.ini", "config/rvpdf/setting.ini", settings},
        {"setting/record.ini", "@/record.ini", "[General]\nlast_folder=/home/u/papers\n"},
        {"setting/comments.ini", "config/rvpdf/comments.ini", "[Highlight]\ncolor=#ffcc00\n"},
        {"setting/framework.ini", "config/rvpdf/framework.ini", "[General]\nSkin=Dark\n\n[Marks]\npdf_Launcher=true\n"},
        {"recent/recentfiles.json", "@/recentfiles.json", QJsonDocument(QJsonArray {record}).toJson()},
        {"recent/thumb/_home_u_paper.png", "cache/rvpdf/thumb/_home_u_paper.png", TestPdf::Garbage(3000, 5)},
        {"session/session.json", "@/session/session.json", QJsonDocument(session).toJson()},
        {"recovery/" + copy, "@/recovery/" + copy, R"({"document":"/home/u/draft.pdf","state":{}})"},
        {"log/PDF.log", "@/log/PDF.log", "an older run ##main:1##\n"},
        {"dua.data", "@/dua.data", "2024-05-01"},
        {"version.data", "@/version.data", "2.0.0.3"},
    };
}

} // namespace

// Journeys of a user who expects a well-behaved desktop program: their
// choices kept, nothing sent without asking, files where the desktop's rules
// put them.
class TestCitizen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void laterDefaultChoiceSurvivesThreeStarts();
    void firstStartAsksBeforeSending_data();
    void firstStartAsksBeforeSending();
    void olderProfileMovesIntact_data();
    void olderProfileMovesIntact();

private:
    QString Title(QProcess* process);
    // A question (a window smaller than a document window) shows in time.
    bool Asks(QProcess* process, int nWaitMs);

    TestX11 x11;
    QString doc;
};

void TestCitizen::initTestCase()
{
    QVERIFY2(x11.IsConnected(), "needs the test display");
    QVERIFY2(QProcess::execute("xdotool", {"version"}) == 0, "needs xdotool (scripts/install-deps.sh)");
    QVERIFY2(QProcess::execute("xdg-mime", {"--version"}) == 0, "needs xdg-mime (scripts/install-deps.sh)");
    doc = TestEnv::MakeDir("citizen-docs") + "/paper.pdf";
    QVERIFY(TestPdf::Write(doc, 2));
}

QString TestCitizen::Title(QProcess* process)
{
    const QList<quint32> windows = JourneyUser::MainWindows(x11, process);
    return windows.isEmpty() ? QString() : x11.Title(windows.first());
}

bool TestCitizen::Asks(QProcess* process, int nWaitMs)
{
    return QTest::qWaitFor([&]() { return !JourneyUser::SmallWindows(x11, process).isEmpty(); }, nWaitMs);
}

void TestCitizen::laterDefaultChoiceSurvivesThreeStarts()
{
    JourneyUser user("default-choice");
    // Another viewer is installed, and no entry of ours system-wide.
    user.SetEnv("XDG_DATA_DIRS", user.Root() + "/share");
    QVERIFY(TestPdf::WriteBytes(user.Root() + "/data/applications/evince.desktop",
                                "[Desktop Entry]\nType=Application\nName=Document Viewer\nExec=true %U\n"
                                "MimeType=application/pdf;\n"));
    // The first open asks; the user says Yes (the default button).
    QProcess* app = user.Launch({doc});
    QTRY_COMPARE_WITH_TIMEOUT(Title(app), QStringLiteral("paper — RVPDF"), 30000);
    QVERIFY(Asks(app, 10000));
    QVERIFY(JourneyUser::Answer(x11, app, {"Return"}));
    QTRY_COMPARE_WITH_TIMEOUT(DefaultViewer(user), QStringLiteral("org.rvpdf.RVPDF.desktop"), 10000);
    QVERIFY(JourneyUser::CloseAll(x11, app));

    // Later the user picks another viewer, the desktop's way.
    QCOMPARE(XdgMime(user, {"default", "evince.desktop", "application/pdf"}), QString());
    QCOMPARE(DefaultViewer(user), QStringLiteral("evince.desktop"));

    for (int start = 1; start <= 3; ++start) {
        app = user.Launch({doc});
        QTRY_COMPARE_WITH_TIMEOUT(Title(app), QStringLiteral("paper — RVPDF"), 30000);
        // Nothing asked (the check runs a second after the open)...
        QVERIFY2(!Asks(app, 3000), qPrintable(QStringLiteral("start %1 asked").arg(start)));
        QVERIFY(JourneyUser::CloseAll(x11, app));
        // ...and nothing taken back.
        QCOMPARE(DefaultViewer(user), QStringLiteral("evince.desktop"));
    }
    // The user's yes is still on record; only the desktop's choice is newer.
    QVERIFY(QSettings(user.Root() + "/config/rvpdf/setting.ini", QSettings::IniFormat).value("Default_Viewer").toBool());
}

void TestCitizen::firstStartAsksBeforeSending_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("sends");
    QTest::newRow("no answer yet") << QStringList() << false;
    QTest::newRow("No, the default") << QStringList {"Return"} << false;
    QTest::newRow("Yes") << QStringList {"Tab", "Return"} << true;
}

void TestCitizen::firstStartAsksBeforeSending()
{
    QFETCH(QStringList, keys);
    QFETCH(bool, sends);
    CannedServer server;
    JourneyUser user(QStringLiteral("consent-%1").arg(QTest::currentDataTag()).replace(' ', '-').remove(','));
    user.SetEnv("RVPDF_DISABLE_REPORTS", QString());
    user.SetEnv("RVPDF_ANALYTICS_URL", server.Url("/mp/collect").toString());
    user.SetEnv("RVPDF_REPORT_URL", server.Url("").toString());
    user.SetEnv("RVPDF_CRASH_URL", server.Url("/crash/v1/upload").toString());
    QProcess* app = user.Launch({});
    QTRY_COMPARE_WITH_TIMEOUT(Title(app), QStringLiteral("RVPDF"), 30000);
    QVERIFY2(Asks(app, 10000), "the first start did not ask");
    QVERIFY(JourneyUser::Answer(x11, app, keys));
    if (!keys.isEmpty())
        QTRY_VERIFY_WITH_TIMEOUT(JourneyUser::SmallWindows(x11, app).isEmpty(), 5000);
    // A launch is counted a second after the start and posted two seconds
    // later; a yes goes out then, anything else never.
    const bool received = QTest::qWaitFor([&]() { return !server.requests.isEmpty(); }, sends ? 15000 : 5000);
    QCOMPARE(received, sends);
    if (sends)
        QVERIFY(server.requests.first().body.contains("Launch") || server.requests.first().body.contains("mf_show"));
    // Before a yes, nothing of reporting is on disk either.
    const QString config = user.Root() + "/config";
    QCOMPARE(QFile::exists(config + "/rvpdf-user"), sends);
    QCOMPARE(QFile::exists(user.Root() + "/state/rvpdf/dua.data"), sends);
    const QSettings framework(config + "/rvpdf/framework.ini", QSettings::IniFormat);
    QCOMPARE(framework.value("Reports/Asked").toBool(), !keys.isEmpty());
    QCOMPARE(framework.value("Reports/Usage").toBool(), sends);
    if (keys.isEmpty()) {
        app->kill();
        app->waitForFinished();
        QVERIFY(server.requests.isEmpty());
        return;
    }
    QVERIFY(JourneyUser::CloseAll(x11, app));
    // Asked once: the next start goes straight to work.
    app = user.Launch({});
    QTRY_COMPARE_WITH_TIMEOUT(Title(app), QStringLiteral("RVPDF"), 30000);
    QVERIFY(!Asks(app, 3000));
    QCOMPARE(server.requests.isEmpty(), !sends);
    QVERIFY(JourneyUser::CloseAll(x11, app));
}

void TestCitizen::olderProfileMovesIntact_data()
{
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<bool>("stateElsewhere");
    QTest::newRow("in one go") << -1 << false;
    QTest::newRow("cut short by kill -9") << 3 << false;
    // Across file systems items are copied first: cut short between a copy
    // and the removal of what it copied.
    QTest::newRow("cut short by kill -9, state on another file system") << 2 << true;
}

void TestCitizen::olderProfileMovesIntact()
{
    QFETCH(int, stopAfter);
    QFETCH(bool, stateElsewhere);
    JourneyUser user(QStringLiteral("profile-%1").arg(stopAfter) + (stateElsewhere ? "-elsewhere" : ""));
    QString state = user.Root() + "/state/rvpdf";
    std::unique_ptr<QTemporaryDir> shm;
    if (stateElsewhere) {
        shm.reset(new QTemporaryDir("/dev/shm/rvpdf-state-XXXXXX"));
        if (!shm->isValid() || QFileInfo(shm->path()).absolutePath() == QFileInfo(user.Root()).absolutePath())
            QSKIP("no second file system at /dev/shm");
        user.SetEnv("XDG_STATE_HOME", shm->path());
        state = shm->path() + "/rvpdf";
    }
    const QString old = user.Root() + "/data/rvpdf";
    const QList<ProfileItem> profile = OlderProfile(doc);
    for (const ProfileItem& item : profile)
        QVERIFY(TestPdf::WriteBytes(old + "/" + item.old, item.content));

    if (stopAfter > 0) {
        user.SetEnv("RVPDF_PROFILE_MOVE_STOP", QString::number(stopAfter));
        QProcess* cut = user.Launch({});
        QByteArray said;
        QTRY_VERIFY2_WITH_TIMEOUT((said += cut->readAllStandardOutput()).contains("profile move stopped"),
                                  qPrintable(said + cut->readAllStandardError()), 15000);
        cut->kill();
        QVERIFY(cut->waitForFinished());
        QCOMPARE(cut->exitStatus(), QProcess::CrashExit);
        // Half way: some items moved, some still in the old place.
        QVERIFY(QFileInfo::exists(old));
        QVERIFY(QFileInfo::exists(user.Root() + "/config/rvpdf") || QFileInfo::exists(state));
        user.SetEnv("RVPDF_PROFILE_MOVE_STOP", QString());
    }
    // The next start finishes the move before it reads anything, and then
    // finds the user's session where it left it.
    user.SetEnv("RVPDF_SESSION_PROBE", "1");
    QProcess* app = user.Launch({});
    QVERIFY(app->waitForFinished(30000));
    QCOMPARE(app->exitCode(), 0);
    const QByteArray out = app->readAllStandardOutput();
    QVERIFY2(out.contains(doc.toUtf8()), out.constData());

    QVERIFY2(!QFileInfo::exists(old), qPrintable(QDir(old).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(',')));
    for (const ProfileItem& item : profile) {
        const QString place = item.now.startsWith('@') ? state + item.now.mid(1) : user.Root() + "/" + item.now;
        const QByteArray now = TestPdf::ReadBytes(place);
        // The log and the session are written on since; what they held stays.
        const bool grows = item.old.startsWith("log/") || item.old.startsWith("session/");
        QVERIFY2(grows ? now.startsWith(item.content) || now.contains(doc.toUtf8()) : now == item.content,
                 qPrintable(place));
    }
}

RV_TEST_MAIN_XVFB(TestCitizen)
#include "tst_citizen.moc"
